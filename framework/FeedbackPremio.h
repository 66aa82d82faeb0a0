#pragma once

class ShockwaveFlash;

// Loads a reward animation chosen at random into the picture (one of
// "animazioni/<k>.svg", drawn from the shared source as filePremio does);
// the animation plays by itself until the picture is loaded again. The
// exercise around it empties the sentence and brings the house back with
// the next item.
void MostraPremio(ShockwaveFlash &filmato);
