// What the session keeps about the resume file, the running match written
// after every event so that no way of ending the program loses it.
#pragma once

#include <memory>

namespace velmora {

struct SavedMatch;  // resume/match_file.h
class FileLock;     // text/file_lock.h

struct ResumeState {
  // The file holds a match of an earlier run that 前回の対局を再開 offers.
  bool offered = false;
  // This run's match has taken the file's place: from the first move played
  // in a match, or a match resumed, the file follows it.
  bool keeping = false;
  // A move has been played in the match on show since it was started: only
  // a match actually played takes the file's place.
  bool move_played = false;
  // The match as it was last written (its turn's thinking time aside), so
  // that an event that changed nothing writes nothing.
  std::shared_ptr<const SavedMatch> kept;
  // A failed write has been reported; it is told once a run.
  bool write_reported = false;
  // The program is ending by a signal in the middle of an event: the file
  // keeps the match as it stood after the last whole event.
  bool frozen = false;
  // This window keeps the folder's match: the lock it holds while it runs.
  std::shared_ptr<FileLock> keeper;
  // Another window keeps the folder's match: this one keeps none.
  bool kept_elsewhere = false;
};

}  // namespace velmora
