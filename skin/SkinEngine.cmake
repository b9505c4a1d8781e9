# The Windows part of the skinning engine: the skin component and its loading,
# the skin manager and the form skinner. (The portable readers are skindata_core; the element
# records and painting primitives are skin_draw.)
add_library(skin_engine STATIC
  ${CMAKE_CURRENT_LIST_DIR}/data/WinSkinData.cpp
  ${CMAKE_CURRENT_LIST_DIR}/data/Skin3rd.cpp
  ${CMAKE_CURRENT_LIST_DIR}/data/SkinLoad.cpp
  ${CMAKE_CURRENT_LIST_DIR}/data/SkinBuild.cpp
  ${CMAKE_CURRENT_LIST_DIR}/data/SkinCaptionButtons.cpp
  ${CMAKE_CURRENT_LIST_DIR}/data/SkinColourTable.cpp
  ${CMAKE_CURRENT_LIST_DIR}/data/SkinColourText.cpp
  ${CMAKE_CURRENT_LIST_DIR}/data/SkinDerivedImages.cpp
  ${CMAKE_CURRENT_LIST_DIR}/data/SkinElementLoad.cpp
  ${CMAKE_CURRENT_LIST_DIR}/data/SkinFixedElements.cpp
  ${CMAKE_CURRENT_LIST_DIR}/data/SkinFrameCounts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/data/SkinImages.cpp
  ${CMAKE_CURRENT_LIST_DIR}/data/SkinSource.cpp
  ${CMAKE_CURRENT_LIST_DIR}/manager/SkinManage.cpp
  ${CMAKE_CURRENT_LIST_DIR}/manager/WindowSubclass.cpp
  ${CMAKE_CURRENT_LIST_DIR}/manager/WinSkinPopMenu.cpp
  ${CMAKE_CURRENT_LIST_DIR}/form/WinSkinForm.cpp
  ${CMAKE_CURRENT_LIST_DIR}/form/WinSysButton.cpp
  ${CMAKE_CURRENT_LIST_DIR}/form/FormFrame.cpp
  ${CMAKE_CURRENT_LIST_DIR}/form/FormCaption.cpp
  ${CMAKE_CURRENT_LIST_DIR}/form/FormSystemMenu.cpp
  ${CMAKE_CURRENT_LIST_DIR}/form/FormMDIClient.cpp)
target_include_directories(skin_engine PUBLIC
  ${CMAKE_CURRENT_LIST_DIR}/data ${CMAKE_CURRENT_LIST_DIR}/manager ${CMAKE_CURRENT_LIST_DIR}/form)
target_link_libraries(skin_engine PUBLIC skin_draw host skindata_core)

# Built-in images; resources must be linked into each executable directly.
set(SKIN_RESOURCES ${CMAKE_CURRENT_LIST_DIR}/data/res/SkinData.rc)
set_property(SOURCE ${SKIN_RESOURCES} APPEND PROPERTY OBJECT_DEPENDS
  ${CMAKE_CURRENT_LIST_DIR}/data/res/FACETTEMENU.bmp
  ${CMAKE_CURRENT_LIST_DIR}/data/res/TRACK.bmp
  ${CMAKE_CURRENT_LIST_DIR}/data/res/TRACKVERT.bmp)
