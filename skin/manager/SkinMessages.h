// Private window messages of the skinning engine.
#pragma once
#include <windows.h>

constexpr UINT WM_SKIN_RESKIN = 0x3401;
constexpr UINT WM_SKIN_REPAINTFRAME = 0x3502;
constexpr UINT WM_SKIN_START = 0x3503;
constexpr UINT WM_SKIN_ENABLE = 0x3506;
constexpr UINT WM_SKIN_TABCLOSE = 0x3507;
constexpr UINT WM_SKIN_BUTTONACTION = 0x3514;
constexpr UINT WM_SKIN_BUTTONVISIBLE = 0x3515;
constexpr UINT WM_SKIN_MDIREDRAW = 0x3516;
constexpr UINT WM_SKIN_RESKINSCROLLBAR = 0x3517;
constexpr UINT WM_SKIN_MENUBUTTONAT = 0x3518;
constexpr UINT WM_SKIN_QUERY = 0x3523;
constexpr UINT WM_SKIN_PAINTNATIVE = 0xBC4A;
constexpr UINT WM_SKIN_PAINTDC = 0xBC4B;
constexpr UINT WM_SKIN_ISSKINNED = 0xBC4D;
constexpr UINT WM_SKIN_SKINNED = 0xBC4E;

// The parameter and answer that mark a message as the engine's own.
constexpr LPARAM SKIN_MAGIC = 0x41A2;
// The lParam of WM_SKIN_START as the manager posts it.
constexpr LPARAM SKIN_START_PARAM = 1000;
