#include "view/system_reasons.h"

#include <cerrno>

#include "text/shown.h"
#include "text/text_files.h"

namespace velmora {
namespace {

struct Reason {
  std::error_condition condition;
  const char* text;
};

const Reason REASONS[] = {
    {std::errc::no_space_on_device, SHOWN("ﾃﾞｨｽｸに空きがありません")},
    {std::error_condition(EDQUOT, std::generic_category()), SHOWN("ﾃﾞｨｽｸの使用量が上限に達しています")},
    {std::errc::permission_denied, SHOWN("ｱｸｾｽが許可されていません")},
    {std::errc::operation_not_permitted, SHOWN("操作が許可されていません")},
    {std::errc::read_only_file_system, SHOWN("読み取り専用のﾌｧｲﾙｼｽﾃﾑです")},
    {std::errc::file_too_large, SHOWN("ﾌｧｲﾙが大きすぎます")},
    {std::errc::no_such_file_or_directory, SHOWN("ﾌｧｲﾙまたはﾌｫﾙﾀﾞがありません")},
    {std::errc::is_a_directory, SHOWN("ﾌｫﾙﾀﾞです")},
    {std::errc::not_a_directory, SHOWN("ﾌｫﾙﾀﾞではありません")},
    {std::errc::filename_too_long, SHOWN("ﾌｧｲﾙ名が長すぎます")},
    {std::errc::too_many_files_open, SHOWN("開いているﾌｧｲﾙが多すぎます")},
    {std::errc::io_error, SHOWN("入出力ｴﾗｰです")},
    {make_error_code(FileError::NotRegularFile).default_error_condition(), SHOWN("通常のﾌｧｲﾙではありません")},
};

}  // namespace

std::string reason_text(const std::error_code& error) {
  for (const Reason& reason : REASONS)
    if (error == reason.condition) return reason.text;
  return error.message();
}

}  // namespace velmora
