/* Identifiers shared by the resource script and the code. */
#ifndef KIVERAN_RESOURCES_RESOURCE_IDS_H
#define KIVERAN_RESOURCES_RESOURCE_IDS_H

/* The association dialog's own controls (child of the Open dialog). */
#define IDC_COMMAND_LINE 1010
#define IDC_MENU_TEXT 1012
#define IDC_QUOTE_FILE_NAME 1040
#define IDC_SET_DEFAULT_VERB 1041
#define IDC_RUN_AFTER 1042
#define IDC_STANDARD_CONTROLS 1119
#define IDC_VERB 1137

/* The About box. */
#define IDC_ABOUT_ICON 1006
#define IDC_ABOUT_RESOURCES 1014
#define IDC_ABOUT_VERSION 1015
#define IDC_ABOUT_LINK 1016
/* The maker's home page: the link's text in the template and the target the
   shell opens. The box's template is the resource named ABOUT_BOX and its
   hand cursor the one named IDC_CURSOR_HAND; both are names, not numbers. */
#define KIVERAN_HOME_PAGE "https://kiveran.example/"

#endif
