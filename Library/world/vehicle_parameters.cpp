#include "Library/world/vehicle_parameters.h"

#include "Library/core/stream.h"

#include <cmath>

bool VehicleParameters::Read(Stream& stream) {
    float values[4];
    for (float& value : values)
        if (!stream.ReadValue(value) || !std::isfinite(value))
            return false;
    radius = values[0];
    mass = values[1];
    maxForce = values[2];
    maxSpeed = values[3];
    return true;
}

bool VehicleParameters::Write(Stream& stream) const {
    return stream.WriteValue(radius) && stream.WriteValue(mass) && stream.WriteValue(maxForce) &&
           stream.WriteValue(maxSpeed);
}
