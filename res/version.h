// The one place the product's name and version are written; the version block
// and the About box read them from here.
#pragma once

#define METROVA_PRODUCT_NAME      "Metrova"
#define METROVA_VERSION_TEXT      "0.1.1"
#define METROVA_VERSION_NUMBERS   0,1,1,0        // FILEVERSION / PRODUCTVERSION
#define METROVA_NAME_AND_VERSION  METROVA_PRODUCT_NAME " " METROVA_VERSION_TEXT
