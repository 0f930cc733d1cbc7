#pragma once
#define IDD_TEST_DIALOG 9001
#define IDC_TEST_EDIT 9002
