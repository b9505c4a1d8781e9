# Installs the skinning engine and the class library under it for other
# programs: `find_package(SkinEngine)` then link `SkinEngine::Engine`.
include(CMakePackageConfigHelpers)
set(engine_targets host host_formtext host_bmpfile skindata_core skin_draw skin_data skin_manager skin_controls
  skin_form skin_engine)
set_target_properties(skin_engine PROPERTIES EXPORT_NAME Engine)
# The engine's headers are written for these; a program linking it gets them.
target_compile_definitions(host INTERFACE
  $<INSTALL_INTERFACE:UNICODE;_UNICODE;WIN32_LEAN_AND_MEAN;NOMINMAX;_WIN32_WINNT=0x0501;WINVER=0x0501;_WIN32_IE=0x0600>)

set(config_dir lib/cmake/SkinEngine)
install(TARGETS ${engine_targets} EXPORT SkinEngineTargets
  ARCHIVE DESTINATION lib COMPONENT engine)
install(EXPORT SkinEngineTargets NAMESPACE SkinEngine:: DESTINATION ${config_dir} COMPONENT engine)
foreach(folder host skin/draw skin/data skin/manager skin/controls skin/form)
  install(DIRECTORY ${PROJECT_SOURCE_DIR}/${folder}/ DESTINATION include/${folder} COMPONENT engine
    FILES_MATCHING PATTERN "*.h" PATTERN "res" EXCLUDE)
endforeach()
# The built-in images are resources: each program compiles them into itself.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/skin/data/res/ DESTINATION ${config_dir} COMPONENT engine
  FILES_MATCHING PATTERN "SkinData.rc" PATTERN "*.bmp")
# The shipped skins, as files a program can load.
set(SKIN_DIR share/SkinEngine/skins)
install(FILES ${PROJECT_BINARY_DIR}/app/default.skn ${PROJECT_BINARY_DIR}/app/dark.skn
  DESTINATION ${SKIN_DIR} COMPONENT engine)

configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/SkinEngineConfig.cmake.in
  ${PROJECT_BINARY_DIR}/SkinEngineConfig.cmake INSTALL_DESTINATION ${config_dir} PATH_VARS SKIN_DIR)
write_basic_package_version_file(${PROJECT_BINARY_DIR}/SkinEngineConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/SkinEngineConfig.cmake ${PROJECT_BINARY_DIR}/SkinEngineConfigVersion.cmake
  DESTINATION ${config_dir} COMPONENT engine)
