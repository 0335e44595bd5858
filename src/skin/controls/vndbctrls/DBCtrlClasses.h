#pragma once
// Makes the data-aware skinned controls known to the declared-data loader.
void RegisterDBControlClasses();
