#pragma once

#include <QString>
#include <QTemporaryDir>
#include <string>

// Paths of the checked-in fixtures and helpers for reading them.
namespace TestData {

// tests/data (from VELTRIX_TEST_DATA, set by CTest; falls back to the source tree).
QString folder();
QString path(const QString& relative);
// The whole file as bytes (UTF-8 or Latin-1 as stored); an empty string when missing.
std::string read(const QString& relative);

} // namespace TestData
