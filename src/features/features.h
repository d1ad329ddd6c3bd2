#pragma once

class CalculatorHost;

// The composition of the program: the one place that names the features beyond the calculator.
// Each attaches itself to the main window through the host.
namespace Features {

void attachTo(CalculatorHost &host);

} // namespace Features
