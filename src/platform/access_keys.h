// Alt+letter access keys for the menus. The Japanese captions are the game's
// own and stay as they are, without a key; English captions get one, a letter
// of the caption that no other item of the same menu has taken (the first
// letter where it can), as Qt marks it with "&".
#pragma once

#include <QMenuBar>

namespace velmora::platform {

// Marks the access keys of the bar's menus and of all their items, in the
// chosen language's captions as they stand (run again after relabel()).
void give_access_keys(QMenuBar& bar);

}  // namespace velmora::platform
