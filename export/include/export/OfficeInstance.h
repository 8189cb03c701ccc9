#pragma once
// The office the export drives: a headless LibreOffice with a profile of its
// own, listening on a pipe named after that profile's folder.

#include <optional>
#include <string>
#include <vector>

#include "export/ChildProcess.h"

namespace pixolyn {

struct TOfficeInstance {
  std::string Folder;       // holds the profile and the lock file
  std::string ProfileDir;   // the office's user installation
  std::string LockFile;     // held by one export at a time
  std::string StartedFile;  // the process of an office an export started and has not ended
  std::string PipeName;
};

// The instance in folder (an absolute path).
TOfficeInstance OfficeInstanceIn(const std::string& folder);

// The user's instance: "pixolyn" in $XDG_CACHE_HOME, else in ~/.cache.
TOfficeInstance UserOfficeInstance();

// The UNO address of the instance's component context.
std::string OfficeConnectAddress(const TOfficeInstance& instance);

std::vector<std::string> OfficeCommandLine(const TOfficeInstance& instance);

// Creates the instance's folder (mode 0700) when missing; false when it cannot.
bool CreateOfficeFolder(const TOfficeInstance& instance);

// Starts "soffice" from PATH in a session of its own; nullopt when it cannot be started.
std::optional<TChildProcess> StartOffice(const TOfficeInstance& instance);

// An export notes the office it starts until it has ended it, so that an
// office left behind by an export that died is ended by the next one.
void NoteStartedOffice(const TOfficeInstance& instance, pid_t office);
void ForgetStartedOffice(const TOfficeInstance& instance);
// The noted office while it still runs on the instance's pipe; 0 when there is none.
pid_t LeftOverOffice(const TOfficeInstance& instance);

}  // namespace pixolyn
