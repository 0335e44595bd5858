#pragma once
// Registers the data access classes with the declared-data loader.
void RegisterDataClasses();
