package com.example.tasks

import java.time.Duration
import java.time.Instant
import kotlinx.coroutines.delay

/**
 * A tiny task scheduler: tasks have priorities and dependencies,
 * and run in an order that respects both.
 *
 * Note: fun schedule(tasks) below throws on cycles; use tryOrder() to test.
 */
enum class Priority { LOW, NORMAL, HIGH }

data class Task(
    val id: String,
    val priority: Priority = Priority.NORMAL,
    val dependsOn: Set<String> = emptySet(),
    val work: suspend () -> Unit = {},
)

interface TaskListener {
    fun started(task: Task)
    fun finished(task: Task, took: Duration)
    fun failed(task: Task, error: Throwable) {
        println("task ${task.id} failed: ${error.message}")
    }
}

class CycleException(val path: List<String>) :
    IllegalStateException("dependency cycle: " + path.joinToString(" -> "))

sealed class Outcome {
    object Skipped : Outcome()
    data class Done(val took: Duration) : Outcome()
    data class Failed(val error: Throwable) : Outcome()
}

class Scheduler(private val listener: TaskListener? = null) {
    private val tasks = linkedMapOf<String, Task>()
    private val outcomes = mutableMapOf<String, Outcome>()

    val size: Int
        get() = tasks.size

    fun add(task: Task): Scheduler {
        require(task.id !in tasks) { "duplicate task ${task.id}" }
        tasks[task.id] = task
        return this
    }

    operator fun plusAssign(task: Task) { add(task) }

    fun order(): List<Task> {
        val visited = mutableSetOf<String>()
        val onPath = ArrayDeque<String>()
        val result = mutableListOf<Task>()

        fun visit(id: String) {
            if (id in visited) return
            if (id in onPath) {
                throw CycleException(onPath.toList() + id)
            }
            val task = tasks[id] ?: error("unknown task $id")
            onPath.addLast(id)
            for (dep in task.dependsOn.sortedBy { tasks[it]?.priority }) {
                visit(dep)
            }
            onPath.removeLast()
            visited += id
            result += task
        }

        tasks.values
            .sortedByDescending { it.priority }
            .forEach { visit(it.id) }
        return result
    }

    fun tryOrder(): List<Task>? = try {
        order()
    } catch (e: CycleException) {
        null
    }

    suspend fun runAll(retries: Int = 0): Map<String, Outcome> {
        for (task in order()) {
            if (task.dependsOn.any { outcomes[it] !is Outcome.Done }) {
                outcomes[task.id] = Outcome.Skipped
                continue
            }
            outcomes[task.id] = runOne(task,
                                       retries)
        }
        return outcomes.toMap()
    }

    private suspend fun runOne(task: Task, retries: Int): Outcome {
        var attempt = 0
        while (true) {
            val start = Instant.now()
            listener?.started(task)
            try {
                task.work()
                val took = Duration.between(start, Instant.now())
                listener?.finished(task, took)
                return Outcome.Done(took)
            } catch (e: Exception) {
                if (attempt++ >= retries) {
                    listener?.failed(task, e)
                    return Outcome.Failed(e)
                }
                delay(backoff(attempt))
            }
        }
    }

    internal fun backoff(attempt: Int): Long =
        when {
            attempt <= 1 -> 100L
            attempt <= 4 -> 100L shl (attempt - 1)
            else -> 2_000L
        }

    override fun toString() = "Scheduler(${tasks.keys.joinToString()})"

    companion object {
        fun of(vararg tasks: Task): Scheduler = Scheduler().apply { tasks.forEach(::add) }

        @JvmStatic
        fun <T : Comparable<T>> maxOf(items: Iterable<T>): T? {
            var best: T? = null
            for (item in items) if (best == null || item > best) best = item
            return best
        }
    }
}

fun Task.describe(): String = buildString {
    append(id)
    if (dependsOn.isNotEmpty()) {
        append(" after ")
        append(dependsOn.sorted().joinToString(", "))
    }
    append(" [").append(priority.name.lowercase()).append(']')
}

fun <K, V> Map<K, V>.summary(
    separator: String = "; ",
    limit: Int = 10,
): String {
    return entries.take(limit).joinToString(separator) { (k, v) -> "$k=$v" }
}

abstract class Report {
    abstract fun title(): String
    open fun render(rows: List<String>): String {
        val line = "-".repeat(title().length)
        return (listOf(title(), line) + rows).joinToString("\n")
    }
}

class SchedulerTest {
    fun `orders dependencies first`() {
        val s = Scheduler.of(Task("b", dependsOn = setOf("a")), Task("a"))
        check(s.order().map { it.id } == listOf("a", "b"))
    }

    fun `reports cycles`() {
        val s = Scheduler.of(Task("a", dependsOn = setOf("b")), Task("b", dependsOn = setOf("a")))
        check(s.tryOrder() == null)
    }
}

suspend fun main() {
    val scheduler = Scheduler()
    scheduler += Task("fetch", Priority.HIGH) { delay(10) }
    scheduler += Task("build", dependsOn = setOf("fetch"))
    println(scheduler.runAll(retries = 2).summary())
}

internal fun Result<*>.failedTask(): Task? {
    return exceptionOrNull()?.let { Task(it.message ?: "unknown") }
}
