// shape_registry.cpp - shapes, a registry that owns them and a small
// text report. Built as part of the geometry demo.
//
// Note: Registry::add(shape) takes ownership; remove(name) gives it back.
#include "shape_registry.h"

#include <algorithm>
#include <cmath>
#include <iomanip>
#include <map>
#include <memory>
#include <ostream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#define REGISTRY_CHECK(cond, msg) \
  do { if (!(cond)) throw std::logic_error(msg); } while (0)

namespace geo {

constexpr double kPi = 3.14159265358979323846;

struct Point {
  double x = 0;
  double y = 0;

  Point() = default;
  Point(double px, double py) : x(px), y(py) {}
  double length() const { return std::hypot(x, y); }
  bool operator==(const Point& o) const; // defined below
};

bool Point::operator==(const Point& o) const
{
  return x == o.x && y == o.y;
}

Point operator+(const Point& a, const Point& b) { return {a.x + b.x, a.y + b.y}; }

std::ostream& operator<<(std::ostream& os, const Point& p)
{
  return os << '(' << p.x << ", " << p.y << ')';
}

class Shape {
 public:
  explicit Shape(std::string name) : name_(std::move(name)) {}
  virtual ~Shape() = default;
  virtual double area() const = 0;
  virtual std::string kind() const = 0;
  const std::string& name() const { return name_; }

 private:
  std::string name_;
};

class Circle : public Shape {
 public:
  Circle(std::string name, Point centre, double radius)
      : Shape(std::move(name)), centre_(centre), radius_(radius) {
    if (radius_ < 0) {
      throw std::invalid_argument("radius must not be negative (got " +
                                  std::to_string(radius_) + ")");
    }
  }

  double area() const override { return kPi * radius_ * radius_; }
  std::string kind() const override { return "circle"; }

 private:
  Point centre_;
  double radius_;
};

class Polygon : public Shape {
 public:
  Polygon(std::string name, std::vector<Point> corners);
  double area() const override;
  std::string kind() const override { return "polygon"; }
  std::size_t corners() const noexcept { return corners_.size(); }

 private:
  std::vector<Point> corners_;
};

Polygon::Polygon(std::string name, std::vector<Point> corners)
    : Shape(std::move(name)),
      corners_(std::move(corners)) {
  REGISTRY_CHECK(corners_.size() >= 3, "a polygon needs three corners");
}

// Shoelace formula; area(Polygon) is always non-negative.
double Polygon::area() const {
  double twice = 0;
  for (std::size_t i = 0; i < corners_.size(); ++i) {
    const Point& a = corners_[i];
    const Point& b = corners_[(i + 1) % corners_.size()];
    twice += a.x * b.y - b.x * a.y;
  }
  return std::fabs(twice) / 2;
}

template <typename T>
class Stack {
 public:
  void push(T value) { items_.push_back(std::move(value)); }
  T pop();
  bool empty() const { return items_.empty(); }
  explicit operator bool() const { return !items_.empty(); }
  const T& operator()(std::size_t i) const { return items_.at(i); }

 private:
  std::vector<T> items_;
};

template <typename T>
T Stack<T>::pop()
{
  if (items_.empty())
    throw std::out_of_range("pop() on an empty stack");
  T top = std::move(items_.back());
  items_.pop_back();
  return top;
}

template <>
std::string Stack<std::string>::pop()
{
  if (items_.empty()) return {};
  std::string top = items_.back();
  items_.pop_back();
  return top;
}

Registry::Registry() = default;
Registry::~Registry()
{
  clear();
}

void Registry::add(std::unique_ptr<Shape> shape)
{
  REGISTRY_CHECK(shape != nullptr, "null shape");
  const std::string key = shape->name();
  auto found = shapes_.find(key);
  if (found != shapes_.end()) {
    found->second = std::move(shape);
    return;
  }
  shapes_.emplace(key,
                  std::move(shape));
}

std::unique_ptr<Shape> Registry::remove(const std::string& name)
{
  auto found = shapes_.find(name);
  if (found == shapes_.end()) return nullptr;
  std::unique_ptr<Shape> out = std::move(found->second);
  shapes_.erase(found);
  return out;
}

void Registry::clear() noexcept { shapes_.clear(); }

std::vector<const Shape*> Registry::largest(std::size_t count) const
{
  std::vector<const Shape*> all;
  all.reserve(shapes_.size());
  for (const auto& [key, shape] : shapes_) {
    all.push_back(shape.get());
  }
  std::sort(all.begin(), all.end(), [](const Shape* a, const Shape* b) {
    return a->area() > b->area();
  });
  if (all.size() > count)
    all.resize(count);
  return all;
}

static std::string format_area(double value, int digits)
{
  std::ostringstream out;
  out << std::fixed << std::setprecision(digits) << value;
  return out.str();
}

std::string Registry::report(int digits) const
{
  std::ostringstream out;
  double total = 0;
  for (const auto& entry : shapes_) {
    const Shape& s = *entry.second;
    total += s.area();
    out << std::left << std::setw(12) << s.name() << ' ' << std::setw(8) << s.kind()
        << format_area(s.area(), digits) << '\n';
  }
  while (digits > 6) {
    --digits;
  }
  switch (shapes_.size()) {
    case 0:
      out << "(no shapes)\n";
      break;
    default:
      out << "total " << format_area(total, digits) << '\n';
  }
  return out.str();
}

}  // namespace geo

int main(int argc, char** argv)
{
  geo::Registry registry;
  try {
    registry.add(std::make_unique<geo::Circle>("wheel", geo::Point{0, 0}, 2.5));
    registry.add(std::make_unique<geo::Polygon>(
        "roof", std::vector<geo::Point>{{0, 0}, {4, 0}, {2, 3}}));
  } catch (const std::exception& e) {
    std::cerr << argv[0] << ": " << e.what() << '\n';
    return 1;
  }
  std::cout << registry.report(argc > 1 ? std::stoi(argv[1]) : 2);
  return 0;
}

/* The report layout follows the shop floor sheets.
   Copyright (C) 2019-2024 the geometry demo authors.
   Layout (A4) 2 columns, see report() above.  */

int Registry::shard(int index, int total) const {
  CHECK_RANGE(index >= 0 && index < total)
      << "shard " << index << " of " << total;
  const std::vector<std::string> names(
      shapes_.size() > 0 ? collect_names() : std::vector<std::string>());
  return static_cast<int>(names.size()) * index /
         static_cast<int>(total) +
         std::count_if(names.begin(), names.end(),
                       [&](const std::string& n) { return n.empty(); });
}

namespace geo {

// A cache of rendered reports, kept in a skip list by shape name.
template <typename Key, class Comparator>
class SkipList {
 public:
  class Iterator {
   public:
    explicit Iterator(const SkipList* list) : list_(list), node_(nullptr) {}
    void Prev();

   private:
    const SkipList* list_;
    const void* node_;
  };

  bool Search(const std::string& text, const std::string& context,
              bool anchored) const {
    return anchored ? text == context : text.find(context) != std::string::npos;
  }
};

template <typename Key, class Comparator>
inline void SkipList<Key, Comparator>::Iterator::Prev() {
  node_ = list_ == nullptr ? nullptr : node_;
}

class ReportCache {
 public:
  ReportCache(std::size_t capacity, const Comparator* cmp)
      : capacity_(capacity),
        cmp_(cmp),
        total_bytes(0) {}

  bool Read(std::uint64_t offset, std::size_t n, std::string* result, char* scratch) const;
  void ForEach(void* arg, bool (*func)(void*, int, const Shape*)) const;
  static bool Fits(std::size_t used, std::size_t n, std::size_t limit);

 private:
  std::size_t capacity_;
  const Comparator* cmp_;
  std::size_t total_bytes;
};

bool ReportCache::Read(std::uint64_t offset, std::size_t n, std::string* result,
                       char* scratch) const {
  if (offset + n > capacity_ ||
      cmp_->Compare(std::string(scratch, n), *result) !=
          0) {
    return false;
  }
  result->assign(scratch, n);
  return true;
}

void ReportCache::ForEach(void* arg,
                          bool (*func)(void*, int, const Shape*)) const {
  for (std::size_t i = 0; i < total_bytes; ++i) {
    if (!(*func)(arg, static_cast<int>(i), nullptr)) {
      break;
    }
  }
}

/* static */ bool ReportCache::Fits(std::size_t used, std::size_t n,
                                    std::size_t limit) {
  return used + n <= limit;
}

}  // namespace geo
