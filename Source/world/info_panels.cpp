#include "Source/world/info_panels.h"

InfoPanel* g_hudMessages = nullptr;
InfoPanel* g_infoPanel2 = nullptr;
InfoPanel* g_infoPanel3 = nullptr;
InfoPanel* g_infoPanel4 = nullptr;
FramedInfoPanel* g_tutorialPanel = nullptr;
