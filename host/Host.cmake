# The Windows class library.
add_library(host STATIC
  Classes.cpp TypInfo.cpp WideText.cpp Graphics.cpp Bitmap.cpp BmpFile.cpp Controls.cpp Forms.cpp
  StdCtrls.cpp ComCtrls.cpp ExtCtrls.cpp FormReader.cpp HostClasses.cpp HintWindow.cpp ImgList.cpp Menus.cpp)
target_link_libraries(host PUBLIC host_formtext comctl32 gdi32 user32)
