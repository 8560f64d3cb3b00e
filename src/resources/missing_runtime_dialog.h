/* The missing-runtime dialog's resource and control ids, shared by its
   template and the code, and the download address its link shows and opens
   (also printed where no dialog can be shown). */
#pragma once

#define IDD_MISSING_RUNTIME 201

#define IDC_JRE_PATH 201
#define IDC_BROWSE 202
#define IDC_MESSAGE 203
#define IDC_ERROR_ICON 204
#define IDC_DOWNLOAD_LINK 205
#define IDC_BROWSE_HINT 206

#define JAVA_DOWNLOAD_ADDRESS "https://adoptium.net/"
