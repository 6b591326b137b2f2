#pragma once

namespace tandrel {

class Application;

// Puts the active language pack's texts on the hidden menus, the OK and Cancel buttons, and the
// options dialog's title, language frame and label. Loads the options dialog and the About box
// when they are not loaded.
void ApplyCaptions(Application& app);

}  // namespace tandrel
