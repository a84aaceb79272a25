#pragma once
// The text panels made once at set-up, placed and shown by the screens that use them and
// written to by scripts. Null until set-up and after shutdown.

class FramedInfoPanel;
class InfoPanel;

extern InfoPanel* g_hudMessages; // the play screen's message lines
extern InfoPanel* g_infoPanel2;  // the credits' and the play screen's texts
extern InfoPanel* g_infoPanel3;  // the new-game and character descriptions
extern InfoPanel* g_infoPanel4;
extern FramedInfoPanel* g_tutorialPanel; // hidden until a tutorial shows it
