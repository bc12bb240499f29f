#ifndef PlanSvgReader_h
#define PlanSvgReader_h

// Test support: a drawing of "axocor model plan" read back with the
// platform's XML parser, its elements with their attributes, and the
// transform that puts the model's coordinates on the page.

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "AXOPlatform.h"

struct PlanSvgElement {
  std::string name;  // "polygon", "line", "text" ...
  std::map<std::string, std::string> attributes;
  std::string text;   // a text's characters, or the title inside the element
  std::string group;  // the class of the innermost group holding it
  std::string Attribute(const std::string& attribute) const {
    const auto found = attributes.find(attribute);
    return found == attributes.end() ? "" : found->second;
  }
};

class PlanSvgReader : public AXOXmlSaxHandler {
 public:
  std::vector<PlanSvgElement> elements;
  std::map<std::string, std::string> svg;  // the attributes of the root
  double transform[6] = {};                // of the group "plan": matrix(a b c d e f)

  // The elements `name` whose class is `css_class` ("" for any).
  std::vector<PlanSvgElement> Of(const std::string& name, const std::string& css_class = "") const {
    std::vector<PlanSvgElement> found;
    for (const PlanSvgElement& element : elements) {
      if (element.name == name && (css_class.empty() || element.Attribute("class") == css_class))
        found.push_back(element);
    }
    return found;
  }
  // Model coordinates on the page.
  double PageX(double x) const { return transform[0] * x + transform[4]; }
  double PageY(double y) const { return transform[3] * y + transform[5]; }

  void StartElement(const std::string& name,
                    const std::vector<AXOXmlAttribute>& attributes) override {
    std::map<std::string, std::string> read;
    for (const AXOXmlAttribute& attribute : attributes) read[attribute.name] = attribute.value;
    open_.push_back({name, elements.size()});
    if (name == "svg") {
      svg = read;
    } else if (name == "title") {
      open_.back().index = open_.size() >= 2 ? open_[open_.size() - 2].index : elements.size();
    } else {
      elements.push_back({name, read, "", groups_.empty() ? "" : groups_.back()});
    }
    if (name == "g") groups_.push_back(read["class"]);
    if (name == "g" && read["class"] == "plan") {
      std::istringstream matrix(read["transform"].substr(std::string("matrix(").size()));
      for (double& value : transform) matrix >> value;
    }
  }
  void EndElement(const std::string& name) override {
    if (name == "g") groups_.pop_back();
    open_.pop_back();
  }
  void Characters(const std::string& text) override {
    if (open_.empty()) return;
    const Open& innermost = open_.back();
    if ((innermost.name == "title" || innermost.name == "text") &&
        innermost.index < elements.size())
      elements[innermost.index].text += text;
  }

 private:
  struct Open {
    std::string name;
    size_t index;  // of the element that takes its characters
  };
  std::vector<Open> open_;
  std::vector<std::string> groups_;
};

inline PlanSvgReader ReadPlanSvg(const std::string& svg) {
  PlanSvgReader reader;
  const AXOStatus status = AXOPlatform::Get()->ParseXml(svg, reader);
  EXPECT_TRUE(status.ok()) << status.ToString() << "\n" << svg;
  return reader;
}

// The corners of a polygon's "points" ("x,y x,y ...").
inline std::vector<std::pair<double, double>> PlanSvgPoints(const PlanSvgElement& polygon) {
  std::vector<std::pair<double, double>> points;
  std::istringstream text(polygon.Attribute("points"));
  double x = 0, y = 0;
  char comma = 0;
  while (text >> x >> comma >> y) points.emplace_back(x, y);
  return points;
}

#endif  // PlanSvgReader_h
