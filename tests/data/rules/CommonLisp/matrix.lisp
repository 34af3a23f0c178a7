;;;; matrix.lisp -- small dense matrices with a generic arithmetic protocol
;;;;
;;;; (defun matrix-ref ...) is defined below; comments like this are no headers.

(defpackage :matrix
  (:use :common-lisp)
  (:export #:make-matrix #:matrix-ref #:m+ #:m* #:transpose #:identity-matrix))

(in-package :matrix)

(defparameter *epsilon* 1d-9
  "Tolerance for comparisons.")

(defvar *print-precision* 3)

(defconstant +max-size+ 1024)

(defstruct (matrix (:constructor %make-matrix (rows cols data)))
  (rows 0 :type fixnum)
  (cols 0 :type fixnum)
  (data #() :type simple-vector))

(define-condition dimension-error (error)
  ((expected :initarg :expected :reader expected)
   (actual :initarg :actual :reader actual))
  (:report (lambda (c stream)
             (format stream "dimension mismatch: expected ~a, got ~a"
                     (expected c) (actual c)))))

(declaim (inline index))
(defun index (m row col)
  (+ (* row (matrix-cols m)) col))

(defun make-matrix (rows cols &key (initial-element 0))
  (assert (<= (* rows cols) (* +max-size+ +max-size+)))
  (%make-matrix rows cols
                (make-array (* rows cols) :initial-element initial-element)))

(defun matrix-ref (m row col)
  (svref (matrix-data m) (index m row col)))

(defun (setf matrix-ref) (value m row col)
  (setf (svref (matrix-data m) (index m row col)) value))

(DEFUN IDENTITY-MATRIX (N)
  (LET ((M (MAKE-MATRIX N N)))
    (DOTIMES (I N M)
      (SETF (MATRIX-REF M I I) 1))))

(defmacro do-cells ((row col m) &body body)
  "Run BODY for every ROW and COL of M."
  (let ((mm (gensym "M")))
    `(let ((,mm ,m))
       (dotimes (,row (matrix-rows ,mm))
         (dotimes (,col (matrix-cols ,mm))
           ,@body)))))

(defun check-same-shape (a b)
  (unless (and (= (matrix-rows a) (matrix-rows b))
               (= (matrix-cols a) (matrix-cols b)))
    (error 'dimension-error
           :expected (list (matrix-rows a) (matrix-cols a))
           :actual (list (matrix-rows b) (matrix-cols b)))))

(defgeneric m+ (a b)
  (:documentation "Add two matrices, or a matrix and a number."))

(defmethod m+ ((a matrix) (b matrix))
  (check-same-shape a b)
  (let ((result (make-matrix (matrix-rows a) (matrix-cols a))))
    (do-cells (r c a)
      (setf (matrix-ref result r c)
            (+ (matrix-ref a r c) (matrix-ref b r c))))
    result))

(defmethod m+ ((a matrix) (b number))
  (let ((result (make-matrix (matrix-rows a) (matrix-cols a))))
    (do-cells (r c a)
      (setf (matrix-ref result r c) (+ (matrix-ref a r c) b)))
    result))

(defgeneric m* (a b))

(defmethod m* ((a matrix) (b matrix))
  (unless (= (matrix-cols a) (matrix-rows b))
    (error 'dimension-error :expected (matrix-cols a) :actual (matrix-rows b)))
  (let ((result (make-matrix (matrix-rows a) (matrix-cols b))))
    (flet ((dot (row col)
             (loop for k below (matrix-cols a)
                   sum (* (matrix-ref a row k) (matrix-ref b k col)))))
      (do-cells (r c result)
        (setf (matrix-ref result r c) (dot r c))))
    result))

(defmethod m* :before ((a matrix) b)
  (declare (ignore b))
  (when (zerop (matrix-rows a))
    (warn "multiplying an empty matrix")))

(defun transpose (m)
  (let ((result (make-matrix (matrix-cols m) (matrix-rows m))))
    (do-cells (r c m)
      (setf (matrix-ref result c r) (matrix-ref m r c)))
    result))

(defun approx= (a b)
  (labels ((close-p (x y)
             (< (abs (- x y)) *epsilon*)))
    (and (= (matrix-rows a) (matrix-rows b))
         (= (matrix-cols a) (matrix-cols b))
         (every #'close-p (matrix-data a) (matrix-data b)))))

(define-compiler-macro matrix-ref (&whole form m row col)
  (declare (ignore m row col))
  form)

(defmethod print-object ((m matrix) stream)
  (print-unreadable-object (m stream :type t)
    (format stream "~dx~d" (matrix-rows m) (matrix-cols m))
    (dotimes (r (matrix-rows m))
      (format stream "~%  ")
      (dotimes (c (matrix-cols m))
        (format stream "~,vf " *print-precision* (matrix-ref m r c))))))

#+nil
(defun-old old-transpose (m)
  (error "gone"))

#+(or)(defun older-transpose (m) m)

(defun trace-matrix (m)
  (loop for i below (min (matrix-rows m) (matrix-cols m))
        sum (matrix-ref m i i)))

(defun scale (m k)
  (let ((result (make-matrix (matrix-rows m) (matrix-cols m))))
    (do-cells (r c m)
      (setf (matrix-ref result r c) (* k (matrix-ref m r c))))
    result))

(defun demo ()
  "Print a small product; (defun inside a docstring) is no header."
  (let* ((a (identity-matrix 3))
         (b (m+ a 2))
         (c (m* a b)))
    (print c)
    (if (approx= c b)
        (format t "~&product is as expected~%")
        (format t "~&unexpected product~%"))
    (handler-case (m+ a (make-matrix 2 2))
      (dimension-error (e)
        (format t "~&caught: ~a~%" e)))))

(defmacro define-cell-reader (name accessor)
  ;; The defun below is a template: the name is only known where it is used.
  `(progn
     (defun ,name (m i j)
       (,accessor (matrix-data m) (index m i j)))))

(define-modify-macro scalef (factor) m*
  "Multiplies the matrix in a place by FACTOR.")
