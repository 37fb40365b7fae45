// The category table. Its order is stored in the settings file: never reorder.
#include "catalogue/catalog.h"
#include "catalogue/tables.h"

#define CATEGORY(name, table) { name, table, int(sizeof(table) / sizeof(table[0])) }

const Category UnitCatalog[BUILT_IN_CATEGORY_COUNT] = {
    CATEGORY("All Length & Distance", AllLengthUnits),
    CATEGORY("All Speed", AllSpeedUnits),
    CATEGORY("All Weight & Mass", AllMassUnits),
    CATEGORY("Common Cooking", CookingUnits),
    CATEGORY("Common Length", CommonLengthUnits),
    CATEGORY("Common Speed", CommonSpeedUnits),
    CATEGORY("Common Weight", CommonWeightUnits),
    CATEGORY("Acceleration", AccelerationUnits),
    CATEGORY("Angle", AngleUnits),
    CATEGORY("Area", AreaUnits),
    CATEGORY("Astronomical", AstronomicalUnits),
    CATEGORY("Butter", ButterUnits),
    CATEGORY("Density", DensityUnits),
    CATEGORY("Dynamic Viscosity (Oil & Water)", OilWaterViscosityUnits),
    CATEGORY("Dynamic Viscosity", DynamicViscosityUnits),
    CATEGORY("Energy", EnergyUnits),
    CATEGORY("Flow Rate (Mass)", MassFlowUnits),
    CATEGORY("Flow Rate (Mole Basis)", MoleFlowUnits),
    CATEGORY("Flow Rate (Volume)", VolumeFlowUnits),
    CATEGORY("Force", ForceUnits),
    CATEGORY("Frequency", FrequencyUnits),
    CATEGORY("Illuminance", IlluminanceUnits),
    CATEGORY("Kinematic Viscosity", KinematicViscosityUnits),
    CATEGORY("Luminance", LuminanceUnits),
    CATEGORY("Metric Length & Distance", MetricLengthUnits),
    CATEGORY("Metric Mass", MetricMassUnits),
    CATEGORY("Power", PowerUnits),
    CATEGORY("Pressure", PressureUnits),
    CATEGORY("Temperature", TemperatureUnits),
    CATEGORY("Time", TimeUnits),
    CATEGORY("Torque", TorqueUnits),
    CATEGORY("Volume", VolumeUnits),
};
