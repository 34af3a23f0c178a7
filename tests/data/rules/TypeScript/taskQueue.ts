/**
 * taskQueue.ts - a retrying task queue with priorities and typed events.
 *
 * function enqueue<T>(task) is the main entry; this comment is no header.
 */

import { EventEmitter } from 'events';

export type Priority = 'low' | 'normal' | 'high';
type Handler<T> = (payload: T) => void;

export interface Task<T = unknown> {
  id: string;
  priority: Priority;
  attempts: number;
  run: () => Promise<T>;
  onDone?: Handler<T>;
}

interface QueueEvents {
  done: (id: string) => void;
  failed: (id: string, error: Error) => void;
}

export enum State {
  Idle,
  Running,
  Stopped,
}

const PRIORITY_ORDER: Record<Priority, number> = { high: 0, normal: 1, low: 2 };

export function byPriority(a: Task, b: Task): number {
  return PRIORITY_ORDER[a.priority] - PRIORITY_ORDER[b.priority];
}

export function delay(ms: number): Promise<void>;
export function delay(ms: number, value: string): Promise<string>;
export function delay(ms: number, value?: string): Promise<string | void> {
  return new Promise((resolve) => setTimeout(() => resolve(value), ms));
}

declare function reportMetric(name: string, value: number): void;

const backoff = (attempt: number): number => Math.min(30000, 2 ** attempt * 100);

export const isRetryable = <E extends Error>(error: E): boolean => {
  return !(error instanceof TypeError);
};

const handlers: Handler<string>[] = [];

export abstract class Worker<T> {
  protected state: State = State.Idle;

  abstract process(task: Task<T>): Promise<T>;

  get running(): boolean {
    return this.state === State.Running;
  }
}

export class TaskQueue<T> extends Worker<T> {
  private readonly tasks: Task<T>[] = [];
  private readonly events = new EventEmitter();
  private timer: ReturnType<typeof setTimeout> | null = null;

  constructor(private readonly concurrency: number = 2, private maxAttempts = 5) {
    super();
  }

  enqueue(task: Omit<Task<T>, 'attempts'>): string {
    const full: Task<T> = { ...task, attempts: 0 };
    this.tasks.push(full);
    this.tasks.sort(byPriority);
    this.schedule();
    return full.id;
  }

  on<K extends keyof QueueEvents>(event: K, listener: QueueEvents[K]): this {
    this.events.on(event, listener);
    return this;
  }

  async process(task: Task<T>): Promise<T> {
    task.attempts += 1;
    try {
      const result = await task.run();
      task.onDone?.(result);
      this.events.emit('done', task.id);
      return result;
    } catch (err) {
      const error = err instanceof Error ? err : new Error(String(err));
      if (task.attempts < this.maxAttempts && isRetryable(error)) {
        await delay(backoff(task.attempts));
        return this.process(task);
      }
      this.events.emit('failed', task.id, error);
      throw error;
    }
  }

  private schedule(): void {
    if (this.timer !== null) {
      return;
    }
    this.timer = setTimeout(() => {
      this.timer = null;
      void this.drain();
    }, 0);
  }

  private async drain(): Promise<void> {
    this.state = State.Running;
    while (this.tasks.length > 0) {
      const batch = this.tasks.splice(0, this.concurrency);
      await Promise.allSettled(batch.map((task) => this.process(task)));
    }
    this.state = State.Idle;
  }

  private readonly logError = (id: string, error: Error): void => {
    console.error(`task ${id} failed: ${error.message}`);
  };

  stop(): void {
    if (this.timer) {
      clearTimeout(this.timer);
    }
    this.state = State.Stopped;
  }

  static withDefaults<U>(): TaskQueue<U> {
    return new TaskQueue<U>(2, 5);
  }
}

export namespace Tasks {
  let counter = 0;

  export function make<T>(run: () => Promise<T>, priority: Priority = 'normal'): Omit<Task<T>, 'attempts'> {
    counter += 1;
    return { id: `task-${counter}`, priority, run };
  }
}

const formatters = {
  seconds: (ms: number) => `${(ms / 1000).toFixed(1)} s`,
  percent(value: number, total: number): string {
    return total === 0 ? '0%' : `${Math.round((value / total) * 100)}%`;
  },
};

export async function main(): Promise<void> {
  const queue = TaskQueue.withDefaults<string>();
  queue.on('failed', (id, error) => console.warn(id, error.message));
  for (let i = 0; i < 3; i++) {
    queue.enqueue(Tasks.make(async () => `result ${i}`));
  }
  // function legacyMain() { } is gone
  if (handlers.length === 0) {
    handlers.push((payload: string) => console.log(payload));
  }
  await delay(10);
  console.log(formatters.seconds(1500), formatters.percent(1, 3));
}

export default function (queue: TaskQueue<string>): void {
  queue.stop();
  console.log('queue stopped by the default export');
}

class RetryPolicy {
  constructor(
    private readonly limit: number,
    private readonly delayMs = 100,
  ) {}

  allows(attempt: number): boolean {
    return attempt < this.limit && this.delayMs >= 0;
  }
}

namespace tasks.history {
  class Journal {
    constructor(name: string);
    constructor(name: string, size?: number) {
      this.name = name;
    }

    public * entries() {
      yield* this.items;
    }

    [Symbol.iterator]() {
      return this.entries();
    }
  }
}

export class FileCache {
  #entries = new Map<string, string>();
  #hits = 0;

  #touch(key: string): void {
    this.#hits += key.length > 0 ? 1 : 0;
  }

  async #load(path: string): Promise<string> {
    return `contents of ${path}`;
  }

  static #instances = 0;

  static #count(): number {
    return FileCache.#instances;
  }

  #merge(
    first: string,
    second: string): string {
    return first + second;
  }

  #report = (label: string) => {
    console.log(label, this.#hits, FileCache.#count());
  };

  private read(path: string): string;
  private read(path: string, encoding: string): string;
  private read(
    path: string,
    encoding = 'utf8',
  ): string {
    this.#touch(path);
    return this.#entries.get(path) ?? encoding;
  }

  public async fetch(path: string, options: { retries: number; timeoutMs: number },
                     onProgress?: (done: number) => void): Promise<string> {
    const error = new Error(
      `cannot fetch ${path}`,
    );
    if (options.retries < 0) {
      throw error;
    }
    onProgress?.(1);
    this.#report(path);
    return this.#load(path);
  }

  then<R = string, E = never>(
    onDone: (value: string) => R,
    onFail?: (reason: unknown) => E,
  ): Promise<R | E> {
    return Promise.resolve(this.read('index')).then(onDone, onFail);
  }

  catch<T = never>(
    onFail: (reason: unknown) => T,
  ): Promise<string | T> {
    return Promise.resolve('').catch(onFail);
  }
}

export function watch(
  root: string,
  fileExists: (fileName: string) => boolean,
  onChange: (fileName: string) => void,
): void {
  if (fileExists(root)) {
    onChange(root);
  }
}

const lines = (async function * <T>(source: AsyncIterable<T>) {
  for await (const item of source) {
    yield String(item);
  }
});

const client = { stream: null as unknown };
client.stream = ((url: string, options: object) => {
  return { url, options, lines };
});

const resolveAll = (
  names: string[],
  base: string,
) => names.map((name) => `${base}/${name}`);
