#include "resume/match_keeper.h"

#include "text/file_lock.h"
#include "text/shown.h"
#include "view/texts.h"

namespace velmora {

std::string match_lock_path(const Game& g) { return g.working_directory + "/" + MATCH_LOCK_NAME; }

void claim_kept_match(Game& g) {
  if (g.resume.keeper) return;
  Result<std::unique_ptr<FileLock>, std::error_code> lock = FileLock::take(match_lock_path(g));
  if (lock) {
    g.resume.keeper = std::move(*lock);
    return;
  }
  if (lock.error() != std::errc::resource_unavailable_try_again) return;
  g.resume.kept_elsewhere = true;
  g.resume.offered = false;
  show_message(
      g,
      SHOWN("このﾌｫﾙﾀﾞの対局は、別のｳｨﾝﾄﾞｳが保存しています") "\n" SHOWN("このｳｨﾝﾄﾞｳの対局は保存されません") "\n" +
          g.working_directory,
      SHOWN("前回の対局を再開"), Icon::Exclamation);
}

}  // namespace velmora
