;;; queue.scm -- a functional queue, a priority queue and a tiny scheduler
;;;
;;; (define (make-queue) ...) builds an empty queue; this header is a comment.

(define-module (util queue)
  #:export (make-queue queue-push queue-pop run-tasks))

(use-modules (srfi srfi-1)
             (srfi srfi-9)
             (ice-9 format))

(define default-capacity 32)
(define *log-enabled* #t)

;; A queue is a pair of lists: front and reversed back.
(define-record-type queue
  (%make-queue front back)
  queue?
  (front queue-front)
  (back queue-back))

(define (make-queue)
  (%make-queue '() '()))

(define (queue-empty? q)
  (and (null? (queue-front q))
       (null? (queue-back q))))

(define (queue-push q item)
  (%make-queue (queue-front q)
               (cons item (queue-back q))))

(define (normalize q)
  (if (null? (queue-front q))
      (%make-queue (reverse (queue-back q)) '())
      q))

(define (queue-pop q)
  ;; returns two values: the item and the rest of the queue
  (let ((q (normalize q)))
    (if (null? (queue-front q))
        (error "queue-pop: empty queue")
        (values (car (queue-front q))
                (%make-queue (cdr (queue-front q)) (queue-back q))))))

(define queue->list
  (lambda (q)
    (append (queue-front q) (reverse (queue-back q)))))

(define list->queue
  (case-lambda
    ((items) (%make-queue items '()))
    ((items extra) (%make-queue (append items extra) '()))))

(define-syntax while
  (syntax-rules ()
    ((_ cond body ...)
     (let loop ()
       (when cond
         body ...
         (loop))))))

(define-syntax inc!
  (syntax-rules ()
    ((_ var) (set! var (+ var 1)))
    ((_ var n) (set! var (+ var n)))))

;;; Priority queue as a sorted association list.

(define (pq-insert pq prio item)
  (cond ((null? pq) (list (cons prio item)))
        ((< prio (caar pq)) (cons (cons prio item) pq))
        (else (cons (car pq) (pq-insert (cdr pq) prio item)))))

(define (pq-take pq)
  (if (null? pq)
      (values #f '())
      (values (cdar pq) (cdr pq))))

(define (log-line fmt . args)
  (when *log-enabled*
    (apply format #t fmt args)
    (newline)))

(define (run-tasks tasks)
  (define counter 0)
  (define (step! task)
    (inc! counter)
    (log-line "task ~a: ~a" counter (car task))
    ((cdr task)))
  (define (drain q)
    (unless (queue-empty? q)
      (call-with-values
          (lambda () (queue-pop q))
        (lambda (task rest)
          (step! task)
          (drain rest)))))
  (drain (list->queue tasks))
  counter)

(define (schedule-by-priority entries)
  (let loop ((pq '()) (entries entries))
    (if (null? entries)
        (let take ((pq pq) (acc '()))
          (call-with-values
              (lambda () (pq-take pq))
            (lambda (item rest)
              (if item
                  (take rest (cons item acc))
                  (reverse acc)))))
        (loop (pq-insert pq (caar entries) (cdar entries))
              (cdr entries)))))

(define-values (pi-approx e-approx)
  (values 3.14159 2.71828))

(define (fold-queue f init q)
  (fold f init (queue->list q)))

(define (queue-length q)
  (fold-queue (lambda (item n) (+ n 1)) 0 q))

(define greeting "(define (not-a-function) #f)")

#;(define (old-queue-pop q)
    (car q))

(define (queue-peek q)
  ;; (define (inner) ...) in a comment is not a header
  (let ((q (normalize q)))
    (if (null? (queue-front q))
        #f
        (car (queue-front q)))))

(define (queue-map f q)
  (list->queue (map f (queue->list q))))

(define (demo)
  (let* ((q (make-queue))
         (q (queue-push q 'a))
         (q (queue-push q 'b))
         (q (queue-push q 'c)))
    (log-line "length: ~a" (queue-length q))
    (log-line "items: ~a" (queue->list q))
    (run-tasks
     (list (cons 'hello (lambda () (display "hello") (newline)))
           (cons 'bye (lambda () (display "bye") (newline)))))
    (log-line "order: ~a"
              (schedule-by-priority '((3 . low) (1 . high) (2 . mid))))))

(demo)

(define* (pad-left text #:optional (width 8) (fill #\space))
  (string-pad text width fill))

(define-public (clamp lo x hi)
  (max lo (min x hi)))
