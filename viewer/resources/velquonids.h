/* velquonids.h - the viewer's resource identifiers: its dialogs, the controls its code names and
   the pictures. Included by the resource script and by the code, so it holds #defines only. The
   companion texts (*.dlgtxt) are copied byte for byte and keep the numbers. */
#ifndef VELQUONIDS_H
#define VELQUONIDS_H

/* Dialogs */
#define IDD_OTHER_EDITION_MAIN 101 /* the other edition's main dialog, not in this program */
#define IDD_MAP 103
#define IDD_TIMESERIES 104
#define IDD_SECTION 105
#define IDD_SETUP 106
#define IDD_PROGRESS 107
#define IDD_MAIN 108
#define IDD_LINEDRAWING 109
#define IDD_PRODUCTS 110
#define IDD_UPDATE 111
#define IDD_OUTPUT 112

/* Pictures: the program icon and the plot families' bitmaps in the main dialog */
#define IDI_VELQUON 2006
#define IDB_MAP 2001
#define IDB_SECTION 2003
#define IDB_TIMESERIES 2004
#define IDB_LINEDRAWING 2005
#define IDB_PRODUCTS 1104

/* Buttons every dialog shares */
#define IDC_OK 1
#define IDC_CANCEL 2
#define IDC_EXIT 1002

/* Main dialog: the plot family group (first of five radio buttons) and the push buttons */
#define IDC_MAIN_FAMILY 1006
#define IDC_MAIN_SECTION 1007
#define IDC_MAIN_TIMESERIES 1008
#define IDC_MAIN_LINEDRAWING 1054
#define IDC_MAIN_PRODUCTS 1087
#define IDC_MAIN_SETUP 1124
#define IDC_MAIN_HELP 1032
#define IDC_MAIN_UPDATE 1088
#define IDC_MAIN_STOP 1074
#define IDC_MAIN_VERSION 1016

/* Setup dialog */
#define IDC_SETUP_INSTALLATION_PROMPT 1003
#define IDC_SETUP_INSTALLATION_EXAMPLE 1117
#define IDC_SETUP_INSTALLATION 1118
#define IDC_SETUP_SCRATCH_EXAMPLE 1031
#define IDC_SETUP_SCRATCH 1120
#define IDC_SETUP_GS_QUESTION 1121
#define IDC_SETUP_GS 1122
#define IDC_SETUP_SAVE 1123

/* Update dialog: stage lines, eight message lines, the appended line, the real-time and
   new-program lines */
#define IDC_UPDATE_STAGE 1089
#define IDC_UPDATE_VEDU_END 1022
#define IDC_UPDATE_DOWNLOADING 1090
#define IDC_UPDATE_READY 1099
#define IDC_UPDATE_LINE1 1092
#define IDC_UPDATE_LINE2 1091
#define IDC_UPDATE_LINE3 1093
#define IDC_UPDATE_LINE4 1094
#define IDC_UPDATE_LINE5 1095
#define IDC_UPDATE_LINE6 1096
#define IDC_UPDATE_LINE7 1097
#define IDC_UPDATE_LINE8 1098
#define IDC_UPDATE_APPENDED 1100
#define IDC_UPDATE_REALTIME1 1101
#define IDC_UPDATE_REALTIME2 1102
#define IDC_UPDATE_REALTIME3 1103
#define IDC_UPDATE_NEWPROGRAM1 1066
#define IDC_UPDATE_NEWPROGRAM2 1113
#define IDC_UPDATE_NEWPROGRAM3 1116

/* Output dialog: where the listings of a request were written */
#define IDC_OUTPUT_TEXT_LABEL 1004
#define IDC_OUTPUT_TEXT_PATH 1125
#define IDC_OUTPUT_NETCDF_LABEL 1127
#define IDC_OUTPUT_NETCDF_PATH 1128

/* Plot dialogs: the push buttons, the export boxes, and the captions of the units */
#define IDC_PLOT 1035
#define IDC_CREATE_JPG 1076
#define IDC_ASCII_EXPORT 1012
#define IDC_NETCDF_EXPORT 1126
#define IDC_PRESSURE_CAPTION 1027
#define IDC_DEPTH_CAPTION 1114

/* Plot dialogs: what is plotted, the levels, the dates, the land mask and the fill levels */
#define IDC_PROPERTY 1052
#define IDC_PLOT_TYPE 1014
#define IDC_DIRECTION 1040
#define IDC_TIME_MODE 1109
#define IDC_UPPER_LEVEL 1010
#define IDC_LOWER_LEVEL 1036
#define IDC_PRESSURE_BUTTON 1105
#define IDC_START_MONTH 1025
#define IDC_START_YEAR 1064
#define IDC_END_MONTH 1029
#define IDC_END_YEAR 1065
#define IDC_LAND 1045
#define IDC_FILL_DEFAULT 1073
#define IDC_FILL_SPECIFY 1075
#define IDC_FILL_TEXT 1077
#define IDC_FILL_EXAMPLE 1078
#define IDC_VECTOR_X 1059
#define IDC_VECTOR_Y 1060

/* Map dialog: the vector fields, enabled for geostrophic velocity only */
#define IDC_MAP_VECTOR_FIRST 1056
#define IDC_MAP_VECTOR_LAST 1060
/* Plot dialogs: the region's corners and their letters (N or S, E or W) */
#define IDC_NORTH 1037
#define IDC_NORTH_LETTER 1017
#define IDC_SOUTH 1055
#define IDC_SOUTH_LETTER 1019
#define IDC_WEST 1038
#define IDC_WEST_LETTER 1020
#define IDC_EAST 1039
#define IDC_EAST_LETTER 1018

/* Plot dialogs: captions that the field logic greys with their fields */
#define IDC_VERTICAL_CAPTION 1009       /* "3)  Vertical" */
#define IDC_VERTICAL_UNITS_CAPTION 1067 /* "units:" */
#define IDC_PLOT_TYPE_CAPTION 1013      /* "2)  Plot type:" */
#define IDC_PLACE_CAPTION 1015          /* "4)  Geographic region:", "4)  Section:", ... */
#define IDC_UPPER_CAPTION 1031          /* "Upper:" */
#define IDC_LOWER_CAPTION 1033          /* "Lower:" */
#define IDC_UPPER_UNIT 1030             /* "(dbar)" after the upper level */
#define IDC_LOWER_UNIT 1043             /* "(dbar)" after the lower level */
#define IDC_DEPTH_BUTTON 1106           /* "Depth or average depth range in:" */
#define IDC_START_DATE_CAPTION 1026     /* "Start date:" */
#define IDC_END_DATE_CAPTION 1028       /* "End date:" */
#define IDC_LAND_CAPTION 1044           /* "6)  Land resolution:" */
#define IDC_FILL_CAPTION 1048           /* "7)  Fill levels:" */
/* The section dialog's date captions have identifiers of their own */
#define IDC_SECTION_START_DATE_CAPTION 1062
#define IDC_SECTION_END_DATE_CAPTION 1063
/* The time-series dialog: "4)  Virtual buoy:" and the "OR" before the region */
#define IDC_TIMESERIES_BUOY_CAPTION 1046
#define IDC_TIMESERIES_OR 1023
/* The products dialog: "Pressure or average pressure range in decibars:" */
#define IDC_PRODUCTS_PRESSURE_CAPTION 1034
/* The map dialog's vector fields: "Vector density:", "X:" and "Y:" captions */
#define IDC_VECTOR_DENSITY_CAPTION 1056
#define IDC_VECTOR_X_CAPTION 1057
#define IDC_VECTOR_Y_CAPTION 1058

/* Progress dialog: the heading, three step lines with their status, and where the result went */
#define IDC_PROGRESS_HEADING 1028
#define IDC_PROGRESS_STEP1 1079
#define IDC_PROGRESS_STATUS1 1080
#define IDC_PROGRESS_STEP2 1081
#define IDC_PROGRESS_STATUS2 1082
#define IDC_PROGRESS_STEP3 1083
#define IDC_PROGRESS_STATUS3 1084
#define IDC_PROGRESS_RESULT_LABEL 1042
#define IDC_PROGRESS_RESULT_PATH 1085
#define IDC_PROGRESS_RENAME_NOTE 1086

#endif
