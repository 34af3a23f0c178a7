-- inventory.lua: item stacks, a bag with weight limits, and a save format.
--
-- function Bag:add(item) is the main operation; this comment is no header.

local json = require("json")
local floor, max = math.floor, math.max

local M = {}
M.VERSION = "1.2"

local DEFAULT_LIMIT = 40
local functions_called = 0 -- a variable, not a function

local function clamp(value, low, high)
  if value < low then
    return low
  elseif value > high then
    return high
  end
  return value
end

local round = function(x)
  return floor(x + 0.5)
end

function M.new_item(name, weight, count)
  assert(type(name) == "string", "name must be a string")
  return {
    name = name,
    weight = weight or 1,
    count = count or 1,
  }
end

local Bag = {}
Bag.__index = Bag

function Bag.new(limit)
  local self = setmetatable({}, Bag)
  self.limit = limit or DEFAULT_LIMIT
  self.items = {}
  self.listeners = {}
  return self
end

function Bag:weight()
  local total = 0
  for _, item in ipairs(self.items) do
    total = total + item.weight * item.count
  end
  return total
end

function Bag:find(name)
  for index, item in ipairs(self.items) do
    if item.name == name then
      return item, index
    end
  end
  return nil
end

function Bag:on(event, handler)
  self.listeners[event] = self.listeners[event] or {}
  table.insert(self.listeners[event], handler)
end

function Bag:emit(event, ...)
  functions_called = functions_called + 1
  for _, handler in ipairs(self.listeners[event] or {}) do
    handler(self, ...)
  end
end

function Bag:add(item)
  local extra = item.weight * item.count
  if self:weight() + extra > self.limit then
    self:emit("rejected", item)
    return false
  end
  local existing = self:find(item.name)
  if existing then
    existing.count = existing.count + item.count
  else
    table.insert(self.items, item)
  end
  self:emit("added", item)
  return true
end

function Bag:remove(name, count)
  local item, index = self:find(name)
  if not item then
    return 0
  end
  local taken = clamp(count or item.count, 0, item.count)
  item.count = item.count - taken
  if item.count == 0 then
    table.remove(self.items, index)
  end
  return taken
end

Bag.sorted = function(self, key)
  local copy = {}
  for i, item in ipairs(self.items) do
    copy[i] = item
  end
  table.sort(copy, function(a, b)
    return a[key or "name"] < b[key or "name"]
  end)
  return copy
end

M["serialize"] = function(bag)
  local out = { limit = bag.limit, items = {} }
  for i, item in ipairs(bag.items) do
    out.items[i] = { item.name, item.weight, item.count }
  end
  return json.encode(out)
end

function M.deserialize(text)
  local data = json.decode(text)
  local bag = Bag.new(data.limit)
  for _, row in ipairs(data.items) do
    bag:add(M.new_item(row[1], row[2], row[3]))
  end
  return bag
end

local function report(bag)
  local lines = {}
  local function line(fmt, ...)
    lines[#lines + 1] = string.format(fmt, ...)
  end
  line("bag: %d/%d", round(bag:weight()), bag.limit)
  for _, item in ipairs(bag:sorted("name")) do
    line("  %-12s x%d", item.name, item.count)
  end
  return table.concat(lines, "\n")
end

M.report = report
M.Bag = Bag

--[[ function M.old_report(bag) is gone
  kept for reference ]]

function M.demo()
  local bag = Bag.new(10)
  bag:on("rejected", function(_, item)
    print("too heavy: " .. item.name)
  end)
  bag:add(M.new_item("rope", 3))
  bag:add(M.new_item("torch", 1, 4))
  bag:add(M.new_item("anvil", 50))
  print(report(bag))
  print("heaviest allowed: " .. max(0, bag.limit - bag:weight()))
end

return M
