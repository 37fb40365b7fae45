// The maker's values: web page, support address, the caption link's text and
// the notice lines of the About box and the version block.
#pragma once

#define MAKER_NAME             "Brisklane"
#define MAKER_DOMAIN           "brisklane.example"           // the caption link's text
#define MAKER_WEB_PAGE         "https://brisklane.example/metrova/"
#define MAKER_WEB_PAGE_SHOWN   "brisklane.example/metrova"   // as the About box shows it
#define MAKER_SUPPORT_ADDRESS  "support@brisklane.example"
#define MAKER_SUPPORT_MAILTO   "mailto:support@brisklane.example"
#define MAKER_NOTICE_LINE_1    "Copyright (C) 2026 Brisklane"
#define MAKER_NOTICE_LINE_2    "All rights reserved."
#define MAKER_COPYRIGHT        MAKER_NOTICE_LINE_1 ". " MAKER_NOTICE_LINE_2
