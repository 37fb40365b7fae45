// Placeholder rows until the real table is transcribed.
#include "catalogue/tables.h"

const UnitEntry CommonLengthUnits[11] = {
    { "unit 0", 1.0 },
    { "unit 1", 2.0 },
    { "unit 2", 3.0 },
    { "unit 3", 4.0 },
    { "unit 4", 5.0 },
    { "unit 5", 6.0 },
    { "unit 6", 7.0 },
    { "unit 7", 8.0 },
    { "unit 8", 9.0 },
    { "unit 9", 10.0 },
    { "unit 10", 11.0 },
};

const UnitEntry AstronomicalUnits[12] = {
    { "unit 0", 1.0 },
    { "unit 1", 2.0 },
    { "unit 2", 3.0 },
    { "unit 3", 4.0 },
    { "unit 4", 5.0 },
    { "unit 5", 6.0 },
    { "unit 6", 7.0 },
    { "unit 7", 8.0 },
    { "unit 8", 9.0 },
    { "unit 9", 10.0 },
    { "unit 10", 11.0 },
    { "unit 11", 12.0 },
};

const UnitEntry MetricLengthUnits[23] = {
    { "unit 0", 1.0 },
    { "unit 1", 2.0 },
    { "unit 2", 3.0 },
    { "unit 3", 4.0 },
    { "unit 4", 5.0 },
    { "unit 5", 6.0 },
    { "unit 6", 7.0 },
    { "unit 7", 8.0 },
    { "unit 8", 9.0 },
    { "unit 9", 10.0 },
    { "unit 10", 11.0 },
    { "unit 11", 12.0 },
    { "unit 12", 13.0 },
    { "unit 13", 14.0 },
    { "unit 14", 15.0 },
    { "unit 15", 16.0 },
    { "unit 16", 17.0 },
    { "unit 17", 18.0 },
    { "unit 18", 19.0 },
    { "unit 19", 20.0 },
    { "unit 20", 21.0 },
    { "unit 21", 22.0 },
    { "unit 22", 23.0 },
};
