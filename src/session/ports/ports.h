// The ports: the only ways the core reaches the outside world. The platform
// layer implements them with Qt and SDL; the tests use recording fakes; the
// headless tools use the silent ones of null_ports.h.
//
// Everything is in the window's own units: twips (1/1440 inch) from the top
// left of the window's client area, the 16 colours of the palette, picture
// numbers (a piece code -27..27 with EMPTY for the empty square, 31 the
// title, 32..36 the background tiles).
#pragma once

#include <atomic>
#include <functional>
#include <string>
#include <vector>

namespace velmora {

inline constexpr int PICTURE_TITLE = 31;
inline constexpr int PICTURE_MIDORI = 32;
inline constexpr int PICTURE_TATAMI = 33;
inline constexpr int PICTURE_TAKE = 34;
inline constexpr int PICTURE_UCHU = 35;
inline constexpr int PICTURE_RENGA = 36;

// The 16-colour palette, by index 0..15: the eight dark colours, then their
// bright counterparts.
enum class PaletteColour : unsigned char {
  Black,
  Blue,
  Green,
  Cyan,
  Red,
  Magenta,
  Brown,
  LightGrey,
  DarkGrey,
  LightBlue,
  LightGreen,
  LightCyan,
  LightRed,
  LightMagenta,
  Yellow,
  White,
};
inline constexpr int PALETTE_SIZE = 16;
constexpr int palette_index(PaletteColour colour) { return static_cast<int>(colour); }

// The own or the enemy side of the board (rules/side.h); declared here so
// that the ports stand without the rules.
enum class Side : signed char;

struct TwipRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool operator==(const TwipRect&) const = default;
};

class Screen {
 public:
  virtual ~Screen() = default;
  // Pastes picture `picture` in shade `shade` (0 or 1; only piece pictures
  // have two) with its top-left corner at (left, top), in its own size.
  virtual void paste_picture(int picture, int shade, double left, double top) = 0;
  // Pastes it the same way but only as far as `right` and `bottom`: a larger
  // picture is cut there, so that repainting one cell leaves its neighbours.
  virtual void paste_picture_within(int picture, int shade, double left, double top, double right, double bottom) = 0;
  // Outlines the rectangle in palette colour `colour`.
  virtual void outline(PaletteColour colour, double left, double top, double right, double bottom) = 0;
  // Prints UTF-8 text with its top-left corner at (left, top).
  virtual void print_text(const std::string& text, double left, double top, int size, PaletteColour colour,
                          bool bold) = 0;
  // Prints a text of the player's own (a record title, a name) the same way:
  // it is shown as typed in every language, never put into another.
  virtual void print_players_text(const std::string& text, double left, double top, int size, PaletteColour colour,
                                  bool bold) {
    print_text(text, left, top, size, colour, bold);
  }
  // Prints the words that follow a count of `count` the same way: a language
  // that tells one from many gives the form for `count`.
  virtual void print_counted_text(const std::string& text, int count, double left, double top, int size,
                                  PaletteColour colour, bool bold) {
    (void)count;
    print_text(text, left, top, size, colour, bold);
  }
  // The width in twips print_text gives `text`, in the window's language; 0
  // where nothing measures it (the texts then keep to the room laid out for
  // the Japanese ones).
  virtual double text_width(const std::string& text, int size, bool bold) const {
    (void)text, (void)size, (void)bold;
    return 0;
  }
  // The width print_counted_text gives `text` for `count`.
  virtual double counted_text_width(const std::string& text, int count, int size, bool bold) const {
    (void)count;
    return text_width(text, size, bold);
  }
  // Makes everything drawn so far visible now (during long routines).
  virtual void refresh() = 0;
  virtual TwipRect window_rect() const = 0;
  virtual void set_window_rect(const TwipRect& rect) = 0;
  // The board takes no clicks until the running event has ended: mouse
  // presses on the window made meanwhile are dropped, not handled after it.
  virtual void drop_clicks_meanwhile() = 0;
  // A move has just been listed while the event goes on: a panel listing the
  // moves shows it now (see assist/move_list_panel.h for what changed).
  virtual void move_list_changed() = 0;
  // A match over the network has changed its stage or its log: a panel
  // showing it shows it now.
  virtual void network_changed() {}
};

enum class Buttons { Ok, YesNo };
enum class Icon { None, Exclamation };
enum class Answer { Ok, Yes, No };

// The record-file panel's text fields (Text1..Text4).
struct RecordFields {
  std::string file_name;  // Text1, without extension
  std::string title;      // Text2
  std::string first;      // Text3, 先手 (the main army)
  std::string second;     // Text4, 後手 (the chess army)
  bool operator==(const RecordFields&) const = default;
};

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  virtual Answer message_box(const std::string& text, const std::string& title, Buttons buttons, Icon icon) = 0;

  // The promotion dialog, modal, with the pictures of the side to move.
  // Returns the chosen signed code, or 0 when it was closed without a choice.
  virtual int promotion_dialog(Side side, int left, int top) = 0;
  // The computer's promotion display: the dialog shown without waiting, with
  // the enemy side's pictures; then the button of `final_code` shown pressed;
  // then closed. The core times the steps.
  virtual void show_promotion_display(int left, int top) = 0;
  virtual void press_promotion_display(int final_code) = 0;
  virtual void close_promotion_display() = 0;

  virtual void about_box() = 0;
  virtual void open_web_page(const std::string& url) = 0;

  // Record-file panel: drive list, folder list and file list visibility.
  virtual void set_record_lists_visible(bool drive, bool folder, bool files) = 0;
  // Shows the four fields, their labels and the RETURN button, or hides them.
  virtual void set_record_fields_visible(bool visible) = 0;
  virtual RecordFields record_fields() const = 0;
  virtual void set_record_fields(const RecordFields& fields) = 0;
  // The folder shown in the folder list; saved files go there.
  virtual std::string record_folder() const = 0;
  virtual void refresh_record_files() = 0;
};

// The sound library's functions, one to one (every value a 32-bit integer;
// the wave-file image is handed over as bytes).
class Sound {
 public:
  virtual ~Sound() = default;
  virtual int dsInitialize(int window) = 0;
  virtual void dsTerminate(int device) = 0;
  virtual int dsCreateDSB(int device, const std::vector<unsigned char>& image, int flags) = 0;
  virtual void dsFree(int buffer) = 0;
  virtual void dsPlay(int buffer) = 0;
  virtual void dsPlayLooping(int buffer) = 0;
  virtual void dsStop(int buffer) = 0;
  // Loudness of the buffer in percent, 0 (silent) to 100 (as recorded). A
  // sound layer without it plays every buffer as recorded.
  virtual void dsSetVolume(int buffer, int percent) { (void)buffer, (void)percent; }

  // False when the sound library itself could not be loaded: the game then
  // runs silently and does not even try to open a sound output.
  virtual bool library_present() const { return true; }
};

class Clock {
 public:
  virtual ~Clock() = default;
  // Time of day in seconds since midnight, with fractions.
  virtual double time_of_day() = 0;
  // Returns after `seconds`, keeping the window painted and taking no input.
  virtual void wait(double seconds) = 0;

  // Long work that must not freeze the window (the computer's deep search).
  using Work = std::function<void(const std::atomic<bool>& stop)>;
  // Runs `work` and returns once it has finished. A window runs it off its
  // own thread and meanwhile keeps painting and ticking Timer1; Esc, closing
  // the window, quitting the application or 待った set `stop`, the work then
  // ends early and the answer is false (the Esc, the close or the take-back is
  // carried out afterwards). An exception of the work reaches the caller.
  // Here it simply runs, never stopped.
  virtual bool run_aside(const Work& work) {
    const std::atomic<bool> never{false};
    work(never);
    return true;
  }
};

struct Ports {
  Screen& screen;
  Dialogs& dialogs;
  Sound& sound;
  Clock& clock;
};

}  // namespace velmora
