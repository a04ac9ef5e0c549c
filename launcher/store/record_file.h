// Data files are the byte images of fixed-size records: read whole into zeroed memory,
// written whole.
#pragma once

#include <cstddef>

// Zero-fills the record, then reads up to size bytes of the file into it: a short file
// fills it from the start, a longer one is read for its first size bytes. Returns 1 when
// the file opened, 0 otherwise (the record is then all zero).
int read_record_file(const char* path, void* record, size_t size);

// Writes the record as the whole new content of the file. The previous file is replaced
// in one step only after the new content is safely on disk, so a failure or a crash at any
// moment leaves either the old file or the new one, never a cut one. Returns 1 on success;
// on failure the old file is unchanged, no temporary file is left behind and the system's
// last error (errno natively) tells why.
int write_record_file(const char* path, const void* record, size_t size);

// Called right after a data file of the panels, connections or options could not be saved,
// with its path; the system's last error still tells why. The data stays in memory, so the
// next save tries again. Set by the program to tell the user; none by default.
using SaveFailureHandler = void (*)(const char* path);
extern SaveFailureHandler save_failure_handler;

// write_record_file for those data files: on failure the handler hears of it. Returns 1 on
// success, 0 on failure.
int save_data_file(const char* path, const void* record, size_t size);
