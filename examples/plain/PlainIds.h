// Resource and control numbers of the example.
#pragma once
#define IDM_MAIN 1
#define IDD_SETTINGS 2
#define IDC_NONE -1
#define IDC_SETTINGS 100
#define IDC_NAME 101
#define IDC_SPEAK 102
#define IDC_MALE 103
#define IDC_FEMALE 104
#define IDC_RATE 105
#define IDC_FOLDER 106
#define IDC_ITEMS 107
