// The language of the window: Japanese, the game's own, or English from the
// catalogue translations/velmora_en (built into the program). Every text the
// window shows is written in Japanese, in the session or here, and looked up
// by that exact text when it is shown; with Japanese chosen it is shown as
// written, byte for byte.
#pragma once

#include <QObject>
#include <QString>
#include <QWidget>
#include <optional>
#include <string>

namespace velmora::platform {

enum class Language { Japanese, English };

// The language's name in the preferences and on the command line ("ja", "en").
const char* language_code(Language language);
std::optional<Language> language_of_code(const std::string& code);

// Chooses the language of every text shown from now on (the window's
// captions follow with relabel()). False when the catalogue is missing: the
// window then stays Japanese.
bool choose_language(Language language);
Language chosen_language();
// The language asked for on the command line: chosen for this run, and the
// one remembered from an earlier run is not taken.
void choose_language_for_run(Language language);
bool language_given_for_run();

// Qt's own dialogs (the file dialogs' buttons and labels, the standard
// buttons) speak the window's language: with Japanese, Qt's translation
// qtbase_ja from Qt's translations folder is used, with English none (Qt's
// texts are English as written). Called again after each change of language.
// False when qtbase_ja is not there (the package qt6-translations-l10n is
// missing): they stay in English.
bool use_qt_translations();

// `japanese` as shown in the chosen language.
QString shown(const std::string& japanese);
std::string shown_utf8(const std::string& japanese);
// The same for the words after a count of `count`, in the form the language
// gives that count.
std::string shown_counted_utf8(const std::string& japanese, int count);

// Gives `object` (a menu, an action, a button, a label, a dock or a window)
// the caption `japanese` in the chosen language, and again at each relabel().
void set_shown_text(QObject* object, const char* japanese);
// Gives `widget` the accessible name `japanese` in the chosen language, and
// again at each relabel().
void set_shown_accessible_name(QWidget* widget, const char* japanese);
// Every object under `root` given its caption by set_shown_text, or its
// accessible name by set_shown_accessible_name, shows it in the language
// chosen now.
void relabel(QObject* root);

}  // namespace velmora::platform
