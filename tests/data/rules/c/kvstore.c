/*
 * kvstore.c - a small key/value store with a chained hash table.
 *
 * Usage from other modules:
 *   kv_open(path) loads a file, kv_get(store, key) looks a key up,
 *   kv_close(store) releases everything.
 */
#include <ctype.h>
#include <errno.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "kvstore.h"

#define KV_BUCKETS 251
#define KV_MAX(a, b) ((a) > (b) ? (a) : (b))
#define KV_TRACE(fmt, ...) fprintf(stderr, "kv: " fmt "\n", __VA_ARGS__)

struct kv_entry {
	char *key;
	char *value;
	struct kv_entry *next;
};

struct kv_store {
	struct kv_entry *buckets[KV_BUCKETS];
	size_t count;
	int (*compare)(const char *, const char *);
};

/* Forward declarations: the definitions follow below. */
static unsigned long kv_hash(const char *s);
static char *kv_strdup(const char *s);
static int kv_parse_line(struct kv_store *st, char *line, int lineno);
int kv_set(struct kv_store *st, const char *key, const char *value);

static const char *const kv_errors[] = {
	"no error",
	"line too long (limit 1023)",
	"missing '=' in line",
	"out of memory",
};

static int kv_verbose = 0;
static size_t kv_limit = sizeof(kv_errors) / sizeof(kv_errors[0]);

static unsigned long kv_hash(const char *s)
{
	unsigned long h = 5381;

	while (*s)
		h = h * 33 + (unsigned char)*s++;
	return h % KV_BUCKETS;
}

static char *
kv_strdup(const char *s)
{
	size_t n = strlen(s) + 1;
	char *copy = malloc(n);

	if (copy == NULL)
		return NULL;
	memcpy(copy, s, n);
	return copy;
}

const char *kv_strerror(int code) { return code >= 0 && (size_t)code < kv_limit ? kv_errors[code] : "?"; }

/* trim(s) - remove leading and trailing blanks in place. */
static char *trim(char *s)
{
	char *end;

	while (isspace((unsigned char)*s))
		s++;
	if (*s == '\0')
		return s;
	end = s + strlen(s) - 1;
	while (end > s && isspace((unsigned char)*end))
		*end-- = '\0';
	return s;
}

struct kv_store *kv_create(void)
{
	struct kv_store *st = calloc(1, sizeof *st);

	if (st != NULL)
		st->compare = strcmp;
	return st;
}

int kv_set(struct kv_store *st, const char *key, const char *value)
{
	unsigned long slot = kv_hash(key);
	struct kv_entry *e;

	for (e = st->buckets[slot]; e != NULL; e = e->next) {
		if (st->compare(e->key, key) == 0) {
			char *copy = kv_strdup(value);
			if (copy == NULL)
				return 3;
			free(e->value);
			e->value = copy;
			return 0;
		}
	}
	e = malloc(sizeof *e);
	if (e == NULL)
		return 3;
	e->key = kv_strdup(key);
	e->value = kv_strdup(value);
	e->next = st->buckets[slot];
	st->buckets[slot] = e;
	st->count++;
	return 0;
}

const char *kv_get(const struct kv_store *st, const char *key)
{
	const struct kv_entry *e;

	for (e = st->buckets[kv_hash(key)]; e; e = e->next)
		if (st->compare(e->key, key) == 0)
			return e->value;
	return NULL;
}

static int kv_parse_line(struct kv_store *st, char *line, int lineno)
{
	char *eq = strchr(line, '=');

	if (line[0] == '#' || line[0] == ';')
		return 0;
	if (eq == NULL) {
		if (kv_verbose)
			KV_TRACE("line %d: %s", lineno, kv_errors[2]);
		return 2;
	}
	*eq = '\0';
	return kv_set(st, trim(line), trim(eq + 1));
}

struct kv_store *kv_open(const char *path,
                         int verbose)
{
	char buf[1024];
	int lineno = 0;
	FILE *fp = fopen(path, "r");
	struct kv_store *st;

	if (fp == NULL)
		return NULL;
	kv_verbose = verbose;
	st = kv_create();
	while (st != NULL && fgets(buf, sizeof buf, fp) != NULL) {
		lineno++;
		buf[strcspn(buf, "\r\n")] = '\0';
		if (kv_parse_line(st, buf, lineno) == 3)
			break;
	}
	fclose(fp);
	return st;
}

void
kv_close(struct kv_store *st)
{
	size_t i;

	if (st == NULL)
		return;
	for (i = 0; i < KV_BUCKETS; i++) {
		struct kv_entry *e = st->buckets[i];
		while (e != NULL) {
			struct kv_entry *next = e->next;
			free(e->key);
			free(e->value);
			free(e);
			e = next;
		}
	}
	free(st);
}

// kv_dump(st, out) writes every pair; the order is the bucket order.
size_t kv_dump(const struct kv_store *st, FILE *out)
{
	size_t i, widest = 0, written = 0;
	const struct kv_entry *e;

	for (i = 0; i < KV_BUCKETS; i++)
		for (e = st->buckets[i]; e; e = e->next)
			widest = KV_MAX(widest, strlen(e->key));
	for (i = 0; i < KV_BUCKETS; i++) {
		for (e = st->buckets[i]; e; e = e->next) {
			fprintf(out, "%-*s = %s\n", (int)widest, e->key, e->value);
			written++;
		}
	}
	return written;
}

#ifdef KV_MAIN
int main(int argc, char **argv)
{
	struct kv_store *st;

	if (argc < 2) {
		fprintf(stderr, "usage: %s file [key]\n", argv[0]);
		return 2;
	}
	st = kv_open(argv[1], getenv("KV_VERBOSE") != NULL);
	if (st == NULL) {
		perror(argv[1]);
		return 1;
	}
	if (argc > 2)
		printf("%s\n", kv_get(st, argv[2]) ? kv_get(st, argv[2]) : "(unset)");
	else
		kv_dump(st, stdout);
	kv_close(st);
	return 0;
}
#endif

#define T(s) fputs((s), stdout)

static void usage(void)
{
T("usage: kvstore [options] file\n");
T("    sets are written {key value} (one per line)\n");
T("    exit(2) follows a bad option\n");
}
