; strutil.asm - string helpers for 32-bit Windows (MASM syntax)
;
; strlen_a PROC is the fastest of these; this comment is no header.
; loop_top: in a comment is not a label either.

        .386
        .model flat, stdcall
        option casemap:none

include windows.inc
include kernel32.inc
includelib kernel32.lib

MAX_LEN equ 4096

.data
crlf        db 13, 10, 0
msg_empty   db "empty: string has no characters", 0
msg_done    db "done", 13, 10, 0
hex_digits  db "0123456789ABCDEF"
buffer      db MAX_LEN dup(0)
last_len:   dd 0                ; a data label, colon or not, is no routine

.code

; Wait for a key: a macro, expanded in place.
PUSHREGS macro
        push    ebx
        push    esi
        push    edi
endm

POPREGS macro
        pop     edi
        pop     esi
        pop     ebx
endm

strlen_a proc uses edi, pString:DWORD
        mov     edi, pString
        xor     eax, eax
        mov     ecx, -1
        cld
        repne   scasb
        not     ecx
        dec     ecx
        mov     eax, ecx
        ret
strlen_a endp

strcpy_a PROC pDest:DWORD, pSrc:DWORD
        PUSHREGS
        mov     esi, pSrc
        mov     edi, pDest
@@:
        lodsb
        stosb
        test    al, al
        jnz     @B
        POPREGS
        mov     eax, pDest
        ret
strcpy_a ENDP

to_upper proc pString:DWORD
        mov     esi, pString
next_char:
        mov     al, [esi]
        test    al, al
        jz      upper_done
        cmp     al, 'a'
        jb      skip_char
        cmp     al, 'z'
        ja      skip_char
        sub     al, 32
        mov     [esi], al
skip_char:
        inc     esi
        jmp     next_char
upper_done:
        mov     eax, pString
        ret
to_upper endp

; dword_to_hex: writes 8 hex digits of eax to [edi]
dword_to_hex proc near
        push    ecx
        push    ebx
        mov     ecx, 8
hex_loop:
        rol     eax, 4
        mov     ebx, eax
        and     ebx, 0Fh
        mov     bl, hex_digits[ebx]
        mov     [edi], bl
        inc     edi
        loop    hex_loop
        mov     byte ptr [edi], 0
        pop     ebx
        pop     ecx
        ret
dword_to_hex endp

print_z proc pText:DWORD
        LOCAL   written:DWORD
        LOCAL   hOut:DWORD
        invoke  GetStdHandle, STD_OUTPUT_HANDLE
        mov     hOut, eax
        invoke  strlen_a, pText
        test    eax, eax
        jnz     have_text
        mov     eax, offset msg_empty
        mov     pText, eax
        invoke  strlen_a, eax
have_text::
        invoke  WriteFile, hOut, pText, eax, addr written, NULL
        mov     eax, written
        ret
print_z endp

_start:
        invoke  strcpy_a, offset buffer, offset msg_done
        invoke  to_upper, offset buffer
        invoke  print_z, offset buffer
        mov     eax, 0DEADBEEFh
        mov     edi, offset buffer
        call    dword_to_hex
        invoke  print_z, offset buffer
        invoke  print_z, offset crlf
        jmp     exit_now

        assume  fs:nothing
        mov     eax, fs:[0]

exit_now:
        invoke  ExitProcess, 0

; NASM-style helpers assembled from the same file by the test build
%macro CLEAR 1
        xor     %1, %1
%endmacro

memset_nasm:
        push    edi
        mov     edi, [esp + 8]
        mov     al, [esp + 12]
        mov     ecx, [esp + 16]
        rep     stosb
.done:
        pop     edi
        ret

count_bits:
        CLEAR   eax
.loop:
        test    ecx, ecx
        jz      .out
        mov     edx, ecx
        and     edx, 1
        add     eax, edx
        shr     ecx, 1
        jmp     .loop
.out:
        ret

end _start
