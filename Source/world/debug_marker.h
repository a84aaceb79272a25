#pragma once
// The map editor's marker of a placed point (an entry point, a sound emitter): a white
// ellipse of 16 by 12 pixels around it with its name centred on it.

class MapView;
class Screen;
class Stringc;
class Vector;

void DrawDebugMarker(Screen& screen, const MapView& view, const Vector& position,
                     const Stringc& name);
