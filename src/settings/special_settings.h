// The registry-backed settings that do more than read or write one value,
// one header per feature. All take a record known not to be null.
#pragma once

#include "settings/client_directory.h"
#include "settings/crop_trim_areas.h"
#include "settings/dialog_tabs.h"
#include "settings/driver_data_file.h"
#include "settings/email_client.h"
#include "settings/fonts.h"
#include "settings/image_watermark.h"
#include "settings/ocr_languages.h"
#include "settings/passwords.h"
#include "settings/text_object.h"
