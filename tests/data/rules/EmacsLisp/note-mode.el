;;; note-mode.el --- a small major mode for dated notes  -*- lexical-binding: t; -*-

;; Copyright (C) 2024  The note-mode authors

;; Author: note-mode authors
;; Keywords: outlines, convenience
;; Version: 0.3

;;; Commentary:

;; (defun note-new ...) creates a note; see also the minor mode below.
;; Nothing in this commentary is a header.

;;; Code:

(require 'cl-lib)
(require 'subr-x)

(defgroup note nil
  "Dated notes."
  :group 'text)

(defcustom note-directory (expand-file-name "notes" user-emacs-directory)
  "Directory where notes are kept."
  :type 'directory
  :group 'note)

(defvar note-mode-map
  (let ((map (make-sparse-keymap)))
    (define-key map (kbd "C-c C-n") #'note-new)
    (define-key map (kbd "C-c C-t") #'note-insert-timestamp)
    map)
  "Keymap for `note-mode'.")

(defconst note-date-format "%Y-%m-%d"
  "Format of the date in note file names.")

(defface note-heading-face '((t :weight bold :height 1.2))
  "Face for note headings.")

(defsubst note--today ()
  (format-time-string note-date-format))

(defun note--file-for (date &optional title)
  "Return the file name for DATE and TITLE."
  (let ((slug (if title
                  (replace-regexp-in-string "[^a-z0-9]+" "-" (downcase title))
                "untitled")))
    (expand-file-name (format "%s-%s.note" date slug) note-directory)))

(defun note-new (title)
  "Create a new note called TITLE and visit it."
  (interactive "sTitle: ")
  (unless (file-directory-p note-directory)
    (make-directory note-directory t))
  (let ((file (note--file-for (note--today) title)))
    (find-file file)
    (when (= (buffer-size) 0)
      (insert "* " title "\n\n")
      (note-insert-timestamp))
    (note-mode)))

(defun note-insert-timestamp ()
  "Insert the current time at point."
  (interactive)
  (insert (format-time-string "[%H:%M] ")))

(defmacro note--with-notes (var &rest body)
  "Bind VAR to each note file in turn and run BODY."
  (declare (indent 1))
  `(dolist (,var (directory-files note-directory t "\\.note\\'"))
     ,@body))

(defun note-list ()
  "Show all notes in a buffer."
  (interactive)
  (let ((buf (get-buffer-create "*Notes*")))
    (with-current-buffer buf
      (let ((inhibit-read-only t))
        (erase-buffer)
        (note--with-notes file
          (insert-text-button (file-name-nondirectory file)
                              'action (lambda (_) (find-file file)))
          (insert "\n")))
      (special-mode))
    (pop-to-buffer buf)))

(cl-defun note-search (&key (regexp "TODO") (limit 50))
  "Collect up to LIMIT lines matching REGEXP from all notes."
  (let ((hits '()))
    (note--with-notes file
      (with-temp-buffer
        (insert-file-contents file)
        (goto-char (point-min))
        (while (and (< (length hits) limit)
                    (re-search-forward regexp nil t))
          (push (cons file (thing-at-point 'line t)) hits))))
    (nreverse hits)))

(cl-defgeneric note-render (note)
  "Render NOTE as a string.")

(cl-defmethod note-render ((note string))
  (string-trim note))

(cl-defmethod note-render ((note list))
  (mapconcat #'note-render note "\n"))

(defun note--heading-level ()
  (save-excursion
    (beginning-of-line)
    (if (looking-at "\\(\\*+\\) ")
        (length (match-string 1))
      0)))

(defvar note-font-lock-keywords
  '(("^\\*+ .*$" . 'note-heading-face)
    ("\\[[0-9:]+\\]" . font-lock-constant-face)))

(defadvice save-buffer (before note-stamp activate)
  "Refresh the modification stamp of notes before saving."
  (when (derived-mode-p 'note-mode)
    (note--update-stamp)))

(defun note--update-stamp ()
  (save-excursion
    (goto-char (point-min))
    (when (re-search-forward "^Modified: .*$" nil t)
      (replace-match (concat "Modified: " (note--today))))))

(define-derived-mode note-mode text-mode "Note"
  "Major mode for dated notes."
  (setq-local font-lock-defaults '(note-font-lock-keywords))
  (setq-local outline-regexp "\\*+ ")
  (add-hook 'before-save-hook #'note--update-stamp nil t))

(define-minor-mode note-follow-mode
  "Open the note under point when moving in the note list."
  :lighter " Follow"
  (if note-follow-mode
      (add-hook 'post-command-hook #'note--follow nil t)
    (remove-hook 'post-command-hook #'note--follow t)))

(defun note--follow ()
  (when-let ((button (button-at (point))))
    (save-selected-window
      (button-activate button))))

(add-to-list 'auto-mode-alist '("\\.note\\'" . note-mode))

(provide 'note-mode)

;;; note-mode.el ends here
