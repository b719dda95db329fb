#pragma once
// The mouse message numbers and key-state flags that the edit tools are driven with. They
// keep the values of the platform the editor was first written for, so that recorded
// inputs and the tool rules read the same everywhere.

constexpr int WM_LBUTTONDOWN = 0x0201;
constexpr int WM_LBUTTONUP = 0x0202;
constexpr int WM_RBUTTONDOWN = 0x0204;
constexpr int WM_RBUTTONUP = 0x0205;
constexpr int WM_MBUTTONDOWN = 0x0207;

constexpr int MK_SHIFT = 0x0004;
constexpr int MK_CONTROL = 0x0008;
