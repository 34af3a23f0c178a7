# survey.R - cleaning and summarising the customer survey
#
# clean_answers <- function(df) is documented below; this comment is no header.

library(dplyr)
library(ggplot2)

options(stringsAsFactors = FALSE)
survey_file <- "data/survey-2023.csv"
weights <- c(north = 1.2, south = 0.9, east = 1.0, west = 1.1)

read_survey <- function(path = survey_file) {
  raw <- read.csv(path, na.strings = c("", "NA", "n/a"))
  if (nrow(raw) == 0) {
    stop("empty survey file: ", path)
  }
  names(raw) <- tolower(gsub("[^A-Za-z0-9]+", "_", names(raw)))
  raw
}

clean_answers <- function(df) {
  df$age[df$age < 16 | df$age > 99] <- NA
  df$region <- factor(df$region, levels = names(weights))
  df$score <- as.numeric(df$score)
  # helper for the free-text answers
  trim_text <- function(x) {
    x <- gsub("\\s+", " ", x)
    trimws(x)
  }
  df$comment <- trim_text(df$comment)
  df
}

`%||%` <- function(a, b) if (is.null(a)) b else a

weighted_score = function(df, w = weights) {
  per_region <- split(df$score, df$region)
  means <- sapply(per_region, function(s) mean(s, na.rm = TRUE))
  sum(means * w[names(means)], na.rm = TRUE) / sum(w)
}

age_band <- function(age) {
  cut(age,
      breaks = c(15, 24, 34, 44, 54, 64, 99),
      labels = c("16-24", "25-34", "35-44", "45-54", "55-64", "65+"))
}

summarise_bands <- function(df) {
  df %>%
    mutate(band = age_band(age)) %>%
    group_by(band, region) %>%
    summarise(
      n = n(),
      mean_score = mean(score, na.rm = TRUE),
      .groups = "drop"
    )
}

counter <- local({
  count <- 0
  function() {
    count <<- count + 1
    count
  }
})

bump <<- function(step = 1) {
  for (i in seq_len(step)) {
    counter()
  }
  invisible(NULL)
}

plot_scores <- function(summary, file = NULL) {
  p <- ggplot(summary, aes(x = band, y = mean_score, fill = region)) +
    geom_col(position = "dodge") +
    labs(title = "Mean score by age band", x = "Age band", y = "Score")
  if (!is.null(file)) {
    ggsave(file, p, width = 8, height = 5)
  }
  p
}

report$render <- function(summary) {
  lines <- vapply(seq_len(nrow(summary)), function(i) {
    sprintf("%-6s %-6s %4d %5.2f",
            summary$band[i], summary$region[i],
            summary$n[i], summary$mean_score[i])
  }, character(1))
  paste(lines, collapse = "\n")
}

"safe_divide" <- function(x, y) {
  ifelse(y == 0, NA_real_, x / y)
}

validate <- function(df) {
  problems <- character()
  if (any(is.na(df$region))) {
    problems <- c(problems, "unknown region")
  }
  while (length(problems) > 10) {
    problems <- problems[-1]
  }
  repeat {
    break
  }
  if (length(problems)) warning(paste(problems, collapse = "; "))
  invisible(length(problems) == 0)
}

setGeneric("describe", function(object) standardGeneric("describe"))

apply_all <- function(dfs, fun = clean_answers) {
  lapply(dfs, fun)
}

make_scaler <- function(factor) {
  force(factor)
  function(x) x * factor
}

main <- function(args = commandArgs(trailingOnly = TRUE)) {
  path <- args[1] %||% survey_file
  df <- read_survey(path)
  df <- clean_answers(df)
  stopifnot(validate(df))
  scale <- make_scaler(100)
  cat("weighted score:", scale(weighted_score(df)), "\n")
  summary <- summarise_bands(df)
  cat(report$render(summary), "\n")
  plot_scores(summary, "scores.png")
  bump(2)
  invisible(0)
}

report <- list()
result <- tryCatch(main(), error = function(e) {
  message("failed: ", conditionMessage(e))
  1
})

if (!interactive()) {
  quit(status = result)
}

setMethod("describe", "data.frame", function(object) {
  cat("survey with", nrow(object), "rows\n")
})

describe_columns <- function(df) {
  for (col in names(df)) {
    cat(col, ":", class(df[[col]]), "\n")
  }
}

"[.survey" <- function(x, i) {
  structure(unclass(x)[i], class = "survey")
}

read_answers <- function(path) {
  tryCatch(
    readLines(path),
    error = function(e) character(0)
  )
}
