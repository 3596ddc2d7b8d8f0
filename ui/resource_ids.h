#pragma once
// Identifiers of the program's resources, shared by ui/orderpanel.rc and the
// code that loads them; plain macros so that the resource compiler reads
// them too.

#define ORDERPANEL_ICON 1

#ifndef RC_INVOKED
namespace ui {
inline constexpr int kProgramIconId = ORDERPANEL_ICON;
}  // namespace ui
#endif
