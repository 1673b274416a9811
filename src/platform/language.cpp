#include "platform/language.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QDockWidget>
#include <QLabel>
#include <QLibraryInfo>
#include <QMenu>
#include <QTranslator>
#include <QWidget>

#include "view/phrases.h"

namespace velmora::platform {

namespace {

constexpr const char* ENGLISH_CATALOGUE = ":/i18n/velmora_en.qm";
// The dynamic property that keeps an object's Japanese caption.
constexpr const char* JAPANESE_CAPTION = "velmora_japanese";
// The one that keeps a widget's Japanese accessible name.
constexpr const char* JAPANESE_NAME = "velmora_japanese_name";

Language chosen = Language::Japanese;
bool given_for_run = false;

QTranslator& english_catalogue() {
  static QTranslator* const catalogue = [] {
    auto* loaded = new QTranslator;
    (void)loaded->load(QString::fromLatin1(ENGLISH_CATALOGUE));
    return loaded;
  }();
  return *catalogue;
}

std::string english_of(const std::string& japanese) {
  return english_catalogue().translate(nullptr, japanese.c_str()).toStdString();
}

void show_caption(QObject* object, const QString& caption) {
  if (auto* menu = qobject_cast<QMenu*>(object)) return menu->setTitle(caption);
  if (auto* action = qobject_cast<QAction*>(object)) return action->setText(caption);
  if (auto* button = qobject_cast<QAbstractButton*>(object)) return button->setText(caption);
  if (auto* label = qobject_cast<QLabel*>(object)) return label->setText(caption);
  if (auto* widget = qobject_cast<QWidget*>(object)) return widget->setWindowTitle(caption);
}

}  // namespace

const char* language_code(Language language) { return language == Language::English ? "en" : "ja"; }

std::optional<Language> language_of_code(const std::string& code) {
  if (code == "ja") return Language::Japanese;
  if (code == "en") return Language::English;
  return std::nullopt;
}

bool choose_language(Language language) {
  if (language == Language::English && english_catalogue().isEmpty()) return false;
  chosen = language;
  return true;
}

Language chosen_language() { return chosen; }

void choose_language_for_run(Language language) { given_for_run = choose_language(language); }

bool language_given_for_run() { return given_for_run; }

std::string shown_utf8(const std::string& japanese) {
  if (chosen == Language::Japanese) return japanese;
  return translated_text(japanese, english_of);
}

std::string shown_counted_utf8(const std::string& japanese, int count) {
  if (chosen == Language::Japanese) return japanese;
  const QString found = english_catalogue().translate(nullptr, japanese.c_str(), nullptr, count);
  return found.isEmpty() ? shown_utf8(japanese) : found.toStdString();
}

QString shown(const std::string& japanese) { return QString::fromStdString(shown_utf8(japanese)); }

bool use_qt_translations() {
  static QTranslator* const translator = [] {
    auto* loaded = new QTranslator(QCoreApplication::instance());
    if (!loaded->load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
      delete loaded;
      return static_cast<QTranslator*>(nullptr);
    }
    return loaded;
  }();
  if (translator == nullptr) return false;
  // Qt's own texts are English as written.
  if (chosen_language() == Language::Japanese) {
    QCoreApplication::installTranslator(translator);
  } else {
    QCoreApplication::removeTranslator(translator);
  }
  return true;
}

void set_shown_text(QObject* object, const char* japanese) {
  object->setProperty(JAPANESE_CAPTION, QString::fromUtf8(japanese));
  show_caption(object, shown(japanese));
}

void set_shown_accessible_name(QWidget* widget, const char* japanese) {
  widget->setProperty(JAPANESE_NAME, QString::fromUtf8(japanese));
  widget->setAccessibleName(shown(japanese));
}

void relabel(QObject* root) {
  QList<QObject*> objects = root->findChildren<QObject*>();
  objects.prepend(root);
  for (QObject* object : objects) {
    const QVariant japanese = object->property(JAPANESE_CAPTION);
    if (japanese.isValid()) show_caption(object, shown(japanese.toString().toStdString()));
    const QVariant name = object->property(JAPANESE_NAME);
    if (auto* widget = qobject_cast<QWidget*>(object); widget != nullptr && name.isValid())
      widget->setAccessibleName(shown(name.toString().toStdString()));
  }
}

}  // namespace velmora::platform
