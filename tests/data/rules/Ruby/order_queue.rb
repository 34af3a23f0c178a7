# frozen_string_literal: true

# OrderQueue keeps pending orders and dispatches them to couriers.
# def dispatch and class Courier are described in the README.

require 'json'
require 'logger'
require 'set'

module Shipping
  VERSION = '2.1.0'

  class Error < StandardError; end

  class Courier
    attr_reader :name, :capacity

    def initialize(name, capacity: 10)
      @name = name
      @capacity = capacity
      @load = 0
    end

    def available?
      @load < @capacity
    end

    def assign!(order)
      raise Error, "#{name} is full" unless available?

      @load += 1
      order.courier = self
    end

    def load=(value)
      @load = value.clamp(0, @capacity)
    end

    def <=>(other)
      [@load, name] <=> [other.instance_variable_get(:@load), other.name]
    end

    def to_s = "#{name} (#{@load}/#{@capacity})"
  end

  class Order
    include Comparable

    attr_accessor :id, :priority, :courier, :items

    def self.from_json(text)
      data = JSON.parse(text)
      new(data.fetch('id'), data.fetch('priority', 0), data.fetch('items', []))
    end

    def initialize(id, priority, items)
      @id = id
      @priority = priority
      @items = items
    end

    def <=>(other)
      other.priority <=> priority
    end

    def [](index)
      items[index]
    end

    def weight
      items.sum { |item| item.fetch('weight', 1) }
    end
  end

  class OrderQueue
    class << self
      def default
        @default ||= new(Logger.new($stdout))
      end
    end

    def initialize(logger)
      @logger = logger
      @orders = []
      @couriers = SortedSet.new
      @seen = Set.new
    end

    def push(order)
      return false if @seen.include?(order.id)

      @seen << order.id
      @orders << order
      @orders.sort!
      true
    end
    alias << push

    def add_courier(courier)
      @couriers << courier
      self
    end

    def dispatch
      dispatched = []
      until @orders.empty?
        courier = @couriers.find(&:available?)
        break if courier.nil?

        order = @orders.shift
        courier.assign!(order)
        dispatched << order
        @logger.info("order #{order.id} -> #{courier}")
      end
      dispatched
    rescue Error => e
      @logger.error("dispatch stopped: #{e.message}")
      dispatched
    end

    def each_pending(&block)
      return enum_for(:each_pending) unless block

      @orders.each(&block)
    end

    private

    def heavy_orders(limit = 20)
      @orders.select { |o| o.weight > limit }
    end

    define_method(:pending_count) { @orders.size }

    private def reset!
      @orders.clear
      @seen.clear
    end
  end

  module Report
    module_function

    def summary(queue)
      lines = queue.each_pending.map do |order|
        format('%-8s %3d %5.1f', order.id, order.priority, order.weight)
      end
      lines.join("\n")
    end

    def klass_for(value)
      case value
      when Order then 'order'
      when Courier then 'courier'
      else value.class.name
      end
    end
  end
end

if $PROGRAM_NAME == __FILE__
  queue = Shipping::OrderQueue.default
  queue.add_courier(Shipping::Courier.new('ana', capacity: 2))
  %w[{"id":"a1","priority":2} {"id":"a2"}].each do |json|
    queue << Shipping::Order.from_json(json)
  end
  puts queue.dispatch.map(&:id).inspect
  puts Shipping::Report.summary(queue)
end
