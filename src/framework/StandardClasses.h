#pragma once
// Registers the framework's own component classes with the declared-data loader.
// Each layer has one such function; the program calls them all at start-up.
void RegisterStandardClasses();
