#include "platform/qt_profile_source.h"

#include <QLocale>
#include <QPrinterInfo>

namespace orn {

bool QtProfileSource::metricMeasurement() const {
  return QLocale::system().measurementSystem() != QLocale::ImperialUSSystem;
}

std::string QtProfileSource::defaultPrinterName() const {
  return QPrinterInfo::defaultPrinterName().toStdString();
}

}  // namespace orn
