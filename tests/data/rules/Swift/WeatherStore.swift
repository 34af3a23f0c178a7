//
//  WeatherStore.swift
//  A cache of weather forecasts with a small observer mechanism.
//
//  func refresh(city:) is the entry point; this comment is no header.
//

import Foundation

/// Errors thrown while loading forecasts.
enum WeatherError: Error, Equatable {
    case badResponse(status: Int)
    case decoding(String)
    case offline
}

protocol ForecastSource {
    func forecast(for city: String) async throws -> Forecast
    func supports(city: String) -> Bool
}

protocol StoreObserver: AnyObject {
    func storeDidUpdate(_ store: WeatherStore, city: String)
}

struct Forecast: Codable, Hashable {
    let city: String
    let temperatures: [Double]
    let issued: Date

    var average: Double {
        guard !temperatures.isEmpty else { return 0 }
        return temperatures.reduce(0, +) / Double(temperatures.count)
    }

    init(city: String, temperatures: [Double], issued: Date = Date()) {
        self.city = city
        self.temperatures = temperatures
        self.issued = issued
    }

    func isStale(now: Date = Date(), maxAge: TimeInterval = 3600) -> Bool {
        now.timeIntervalSince(issued) > maxAge
    }
}

final class WeatherStore {
    static let shared = WeatherStore(source: HTTPSource())
    class var defaultMaxAge: TimeInterval { 3600 }

    private var cache: [String: Forecast] = [:]
    private var observers = NSHashTable<AnyObject>.weakObjects()
    private let source: ForecastSource
    private let queue = DispatchQueue(label: "weather.store")

    init(source: ForecastSource) {
        self.source = source
    }

    convenience init() {
        self.init(source: HTTPSource())
    }

    deinit {
        observers.removeAllObjects()
    }

    subscript(city: String) -> Forecast? {
        queue.sync { cache[city.lowercased()] }
    }

    func addObserver(_ observer: StoreObserver) {
        observers.add(observer)
    }

    @discardableResult
    func refresh(city: String) async throws -> Forecast {
        let key = city.lowercased()
        if let cached = self[key], !cached.isStale() {
            return cached
        }
        guard source.supports(city: key) else {
            throw WeatherError.offline
        }
        let forecast = try await source.forecast(for: key)
        queue.sync { cache[key] = forecast }
        notify(city: key)
        return forecast
    }

    private func notify(city: String) {
        for case let observer as StoreObserver in observers.allObjects {
            observer.storeDidUpdate(self, city: city)
        }
    }

    func warmest(limit: Int = 3) -> [Forecast] {
        let all = queue.sync { Array(cache.values) }
        return all.sorted { $0.average > $1.average }.prefix(limit).map { $0 }
    }

    @objc(storeDidChange:) func storeDidChange(_ note: Notification) {
        let label: String = note.name.rawValue
        print(label)
    }

    class func makeTesting() -> WeatherStore {
        WeatherStore(source: FixedSource(values: [20, 21, 19]))
    }

    static func == (lhs: WeatherStore, rhs: WeatherStore) -> Bool {
        lhs === rhs
    }
}

struct HTTPSource: ForecastSource {
    var baseURL = URL(string: "https://weather.example.com/api")!

    func supports(city: String) -> Bool {
        !city.isEmpty && city.count < 64
    }

    func forecast(for city: String) async throws -> Forecast {
        let url = baseURL.appendingPathComponent(city)
        let (data, response) = try await URLSession.shared.data(from: url)
        if let http = response as? HTTPURLResponse, http.statusCode != 200 {
            throw WeatherError.badResponse(status: http.statusCode)
        }
        do {
            return try JSONDecoder().decode(Forecast.self, from: data)
        } catch {
            throw WeatherError.decoding(String(describing: error))
        }
    }
}

struct FixedSource: ForecastSource {
    let values: [Double]

    func supports(city: String) -> Bool { true }

    func forecast(for city: String) async throws -> Forecast {
        func jitter(_ value: Double) -> Double {
            value + Double.random(in: -0.5...0.5)
        }
        return Forecast(city: city, temperatures: values.map(jitter))
    }
}

extension Forecast: CustomStringConvertible {
    var description: String {
        String(format: "%@: %.1f", city, average)
    }
}

extension Array where Element == Forecast {
    func cities() -> [String] { map(\.city) }
}

actor RefreshScheduler {
    private var pending: Set<String> = []

    func schedule(_ city: String) -> Bool {
        if pending.contains(city) {
            return false
        }
        pending.insert(city)
        return true
    }
}

@main
struct WeatherCLI {
    static func main() async {
        let store = WeatherStore.makeTesting()
        let print: (String) -> Void = { Swift.print($0) }
        for city in ["Oslo", "Lima"] {
            if let forecast = try? await store.refresh(city: city) {
                print(forecast.description)
            }
        }
        print("func main finished")
    }
}
