# The Windows class library.
add_library(host STATIC
  Classes.cpp TypInfo.cpp WideText.cpp Graphics.cpp Bitmap.cpp Controls.cpp Forms.cpp
  StdCtrls.cpp ComboBoxes.cpp ListViews.cpp Buttons.cpp CheckButtons.cpp GroupBoxes.cpp ComCtrls.cpp Tabs.cpp ExtCtrls.cpp MPlayer.cpp FormReader.cpp HostClasses.cpp HintWindow.cpp ImgList.cpp Menus.cpp ToolWin.cpp
  Platform.cpp CallbackGuard.cpp WindowProcLink.cpp)
add_dependencies(host layer_check)
target_link_libraries(host PUBLIC host_formtext host_bmpfile comctl32 gdi32 user32 winmm)
