/* A small counter module: a sample file for trying the search. */
#include <stdio.h>
#include <stdlib.h>

struct counter {
  int value;
  int step;
};

static void counter_reset(struct counter *c)
{
  c->value = 0;
  c->step = 1;
}

static int counter_next(struct counter *c)
{
  c->value += c->step;
  return c->value;
}

int parse_step(const char *text)
{
  int step = atoi(text);
  if (step <= 0)
    return 1;
  return step;
}

int main(int argc, char **argv)
{
  struct counter c;
  int i, limit = 10;
  counter_reset(&c);
  if (argc > 1)
    c.step = parse_step(argv[1]);
  for (i = 0; i < limit; i++)
    printf("%d\n", counter_next(&c));
  return 0;
}
