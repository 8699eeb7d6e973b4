// Ends a use of settings_file_keys.def: its row macros are defined anew by
// each walk.
#undef NW_REC_STEP
#undef NW_REG_STEP
#undef NW_REC_NUMBER
#undef NW_REC_FIELD
#undef NW_REC_SWITCH
#undef NW_REC_SWITCH_OFF
#undef NW_REC_CHOICE
#undef NW_REC_BITS
#undef NW_REC_TEXT
#undef NW_REG_INT
#undef NW_REG_YESNO
#undef NW_REG_TEXT
#undef NW_REG_PASSWORD
#undef NW_REG_STRUCT
#undef NW_REG_NAMES
#undef NW_REG_FONT
