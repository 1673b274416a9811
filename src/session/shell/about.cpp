#include "shell/about.h"

#include "record/record_files.h"
#include "view/sound_effects.h"

namespace velmora {

void ver_click(Game& g) {
  close_record_panel(g);
  play_other(g);
  g.ports.dialogs.about_box();
}

// The address goes to the desktop's default browser, which opens it on its
// own; the game does not wait for the page.
void homepage_click(Game& g) { g.ports.dialogs.open_web_page(HOME_PAGE_URL); }

}  // namespace velmora
