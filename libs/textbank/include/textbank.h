// SPDX-License-Identifier: MIT
/* textbank: numbered texts read from a small UTF-8 text file.
 *
 * A program keeps the few texts that should change without a rebuild (a web address, a file
 * name, a window caption) in a text file and fetches them by number. `lt` loads the file and
 * `gt` copies one text into the caller's buffer. Both functions are safe to call from several
 * threads: the texts live in one process-wide table guarded by a mutex. Neither function throws.
 *
 * THE FILE
 *   - UTF-8, with or without a byte-order mark; lines end in LF or CR LF.
 *   - Blank lines (nothing but spaces and tabs) are ignored.
 *   - A line whose first character other than a blank is "#" is a comment.
 *   - Every other line holds one text:   NUMBER = TEXT
 *     NUMBER is a decimal number from 0 to 2147483647 (no sign); blanks around "=" are optional
 *     and the blanks at both ends of TEXT are dropped. TEXT runs to the end of the line, so it may
 *     hold "=" and "#". A text cannot be empty; a file writes an intentionally empty text as "~",
 *     which the library hands back as it stands.
 *       # Address of the online manual, without "http://"
 *       15 = vardex.example.org/manual
 *   - Limits: at most TEXTBANK_MAX_LINES lines (comments and blank lines count), lines of at most
 *     TEXTBANK_MAX_LINE_BYTES bytes, texts of at most TEXTBANK_MAX_TEXT_BYTES bytes.
 *   - No line may hold a NUL byte, a control character other than the tab, a carriage return
 *     other than the one before the line feed, or bytes that are not UTF-8.
 *   Line numbers in the failure codes count every line from 1, comments and blank lines included.
 */
#ifndef TEXTBANK_H
#define TEXTBANK_H

#include <stdint.h>

#if defined(_WIN32)
#define TEXTBANK_API __declspec(dllexport)
#else
#define TEXTBANK_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

enum {
    TEXTBANK_MAX_TEXT_BYTES = 1024, /* longest text, in bytes of UTF-8 */
    TEXTBANK_MAX_LINE_BYTES = 4096, /* longest line, in bytes, its line end excluded */
    TEXTBANK_MAX_LINES = 500        /* longest file, in lines */
};

/* Results of lt. A positive result is the number of texts loaded. */
enum {
    TEXTBANK_NO_TEXT = 0,             /* the file holds comments but no text */
    TEXTBANK_CANNOT_OPEN = -1,        /* the path is missing, is not a regular file or cannot be opened */
    TEXTBANK_TEXT_MEMORY = -2,        /* no memory to store one particular text */
    TEXTBANK_TOO_MUCH_TEXT = -3,      /* the file has more than TEXTBANK_MAX_LINES lines */
    TEXTBANK_NOT_RECOVERED = -4,      /* a UTF-16 or UTF-32 file (it starts with their byte-order mark) */
    TEXTBANK_INTERNAL_ERROR = -5,     /* an unexpected failure inside the library */
    TEXTBANK_EMPTY_FILE = -6,         /* nothing but a byte-order mark, blanks and line ends */
    TEXTBANK_READ_ERROR = -7,         /* the file was opened but reading it failed */
    TEXTBANK_GENERAL_MEMORY = -8,     /* no memory for the table or for reading the file */
    TEXTBANK_BAD_ARGUMENT = -9,       /* lt: path is NULL or reserved is not 0 */
    TEXTBANK_MISSING_STRING = -500,   /* -500 - n: line n holds no well-formed "NUMBER = TEXT" */
    TEXTBANK_STRING_TOO_LONG = -1000, /* -1000 - n: line n or its text is longer than the limit */
    TEXTBANK_DUPLICATE = -1500        /* -1500 - n: line n repeats a number of an earlier line */
};

/* Loads the texts of the file at `path` (a NUL-terminated file name in the system's encoding),
 * replacing every text loaded before. `reserved` must be 0.
 * Returns the number of texts loaded (1 .. TEXTBANK_MAX_LINES), or 0 or a negative code above.
 * The first faulty line in file order decides the code: TEXTBANK_MISSING_STRING - n for a line
 * that is neither blank, a comment nor "NUMBER = TEXT" (no number, a number beyond 2147483647,
 * no "=", nothing after "=", a NUL, a control character, a stray carriage return or bytes that
 * are not UTF-8); TEXTBANK_STRING_TOO_LONG - n for a text longer than TEXTBANK_MAX_TEXT_BYTES or
 * a line longer than TEXTBANK_MAX_LINE_BYTES; TEXTBANK_DUPLICATE - n for a number already given
 * on an earlier line (015 and 15 are the same number). n is 1 .. TEXTBANK_MAX_LINES, so the
 * three ranges never overlap.
 * On any result other than a positive one the texts loaded before stay as they were. */
TEXTBANK_API int32_t lt(const char *path, int32_t reserved);

/* Results of gt. A positive result is the number of bytes of the text. */
enum {
    TEXTBANK_ABSENT = 0,           /* no text has this number (every negative number included) */
    TEXTBANK_NOTHING_LOADED = -1,  /* lt has not loaded a file yet */
    TEXTBANK_INVALID_CALL = -2,    /* unknown selector or flag; NULL buffer or negative capacity */
    TEXTBANK_BUFFER_TOO_SMALL = -3 /* the text does not fit in capacity bytes (see flag) */
};

/* The selector of gt. */
enum {
    TEXTBANK_SELECT_TEXT = 0,  /* copy the text into the buffer */
    TEXTBANK_SELECT_LENGTH = 1 /* only return the text's length; buffer and capacity unused */
};

/* The fifth argument of gt: how the buffer ends.
 * TEXTBANK_TERMINATED: the text is always followed by a NUL, so it needs length + 1 bytes.
 * TEXTBANK_COUNTED: the result tells the length; a text of exactly capacity bytes fills the buffer
 * without a NUL, a shorter one is still followed by a NUL. */
enum { TEXTBANK_TERMINATED = 0, TEXTBANK_COUNTED = 1 };

/* Copies text `number` into `buffer`, which has room for `capacity` bytes.
 * selector TEXTBANK_SELECT_TEXT: writes at most `capacity` bytes, never more, and returns the
 * number of bytes of the text written (the NUL not counted): always the whole text, never a
 * part. A text that does not fit gives TEXTBANK_BUFFER_TOO_SMALL and nothing of it is written.
 * Whenever the result is 0 or negative, buffer is not NULL and capacity is at least 1,
 * buffer[0] is set to NUL, so the buffer then holds the empty string.
 * selector TEXTBANK_SELECT_LENGTH: returns the length of the text in bytes, or 0 or a negative
 * code; buffer and capacity are ignored (buffer may be NULL) and the buffer is never touched.
 * `flag` is TEXTBANK_TERMINATED or TEXTBANK_COUNTED. With TEXTBANK_COUNTED and a capacity of
 * TEXTBANK_MAX_TEXT_BYTES every text fits.
 * Also returns TEXTBANK_INTERNAL_ERROR (-5) on an unexpected failure inside the library. */
TEXTBANK_API int32_t gt(int32_t number, int32_t selector, char *buffer, int32_t capacity, int32_t flag);

/* The library's version, "MAJOR.MINOR.PATCH"; a static string. */
TEXTBANK_API const char *textbank_version(void);

#ifdef __cplusplus
}
#endif

#endif /* TEXTBANK_H */
