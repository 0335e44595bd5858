#pragma once
// Makes the grid classes known to the declared-data loader.
void RegisterSkinGridClasses();
