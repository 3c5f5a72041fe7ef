#pragma once
// The configuration backup file: exactly the 52 bytes of the system configuration
// record, byte 0 first; no header, no checksum.
#include <cstddef>
#include <stdexcept>
#include <string>

#include "records/Records.h"

namespace orvanta::records {

// A backup file that could not be written or read; what() is the message to show.
class BackupFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Writes the record to path. The file is written beside the target and renamed over
// it only once complete, so a failure half-way leaves an earlier backup as it was.
// Raises BackupFileError "Cannot create file "<path>". <reason>".
void saveSysBackup(const std::string& path, const SysRecord& rec);

// Reads path into rec: its first bytes replace as many leading bytes of rec as the
// file has (at most 52); the rest of rec stays. Returns the number of bytes replaced.
// Raises BackupFileError "Cannot open file "<path>". <reason>" and leaves rec alone.
size_t loadSysBackup(const std::string& path, SysRecord& rec);

}  // namespace orvanta::records
