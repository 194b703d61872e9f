#pragma once

// Registers every stored class of the catalogue for reading, the built-in
// country and region classes included. Safe to call any number of times.
void registerCatalogueClasses();
