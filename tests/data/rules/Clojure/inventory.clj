(ns shop.inventory
  "Stock keeping for the shop: reservations, restocking and reports.
  The main entry is (defn reserve ...); this docstring is no header."
  (:require [clojure.string :as str]
            [clojure.set :as set]))

(def default-threshold 5)

(def ^:dynamic *clock* #(System/currentTimeMillis))

(defonce inventory (atom {}))

(defrecord Item [sku name quantity price])

(defprotocol Priced
  (price-of [this])
  (discounted [this pct]))

(extend-protocol Priced
  Item
  (price-of [item] (* (:quantity item) (:price item)))
  (discounted [item pct] (update item :price #(* % (- 1 (/ pct 100))))))

(defn make-item
  "Build an item from a map with string keys."
  [{:strs [sku name quantity price]}]
  (->Item sku name (or quantity 0) (or price 0)))

(defn- normalize-sku [sku]
  (-> sku str/trim str/upper-case))

(defn add-item!
  [item]
  (let [sku (normalize-sku (:sku item))]
    (swap! inventory assoc sku (assoc item :sku sku))
    sku))

(defn ^:private stock-level [sku]
  (get-in @inventory [sku :quantity] 0))

(defn reserve
  "Reserve n units of sku. Returns true when enough stock was available."
  ([sku] (reserve sku 1))
  ([sku n]
   (let [sku (normalize-sku sku)
         result (atom false)]
     (swap! inventory
            (fn [inv]
              (if (>= (get-in inv [sku :quantity] 0) n)
                (do (reset! result true)
                    (update-in inv [sku :quantity] - n))
                inv)))
     @result)))

(defn restock
  [sku n]
  (when-not (pos? n)
    (throw (ex-info "restock needs a positive amount" {:sku sku :n n})))
  (swap! inventory update-in [(normalize-sku sku) :quantity] (fnil + 0) n))

(defmacro with-inventory
  "Run body with a fresh inventory, restoring the old one afterwards."
  [items & body]
  `(let [saved# @inventory]
     (try
       (reset! inventory {})
       (doseq [i# ~items] (add-item! i#))
       ~@body
       (finally (reset! inventory saved#)))))

(defmulti report-line
  (fn [item] (if (< (:quantity item) default-threshold) :low :ok)))

(defmethod report-line :low [item]
  (format "%-8s %-20s %4d  LOW" (:sku item) (:name item) (:quantity item)))

(defmethod report-line :ok [item]
  (format "%-8s %-20s %4d" (:sku item) (:name item) (:quantity item)))

(defn low-stock
  ([] (low-stock default-threshold))
  ([threshold]
   (->> (vals @inventory)
        (filter #(< (:quantity %) threshold))
        (sort-by :quantity))))

(defn report
  []
  (let [items (sort-by :sku (vals @inventory))
        lines (map report-line items)]
    (str/join \newline lines)))

(defn total-value
  []
  (transduce (map price-of) + 0 (vals @inventory)))

(defn skus-missing
  "SKUs that are in the order but not in stock."
  [order]
  (set/difference (set (map normalize-sku (keys order)))
                  (set (keys @inventory))))

(defn fulfil
  [order]
  (let [missing (skus-missing order)]
    (cond
      (seq missing) {:status :missing :skus missing}
      (every? (fn [[sku n]] (reserve sku n)) order) {:status :ok}
      :else {:status :partial})))

(comment
  (add-item! (make-item {"sku" "a1" "name" "Pen" "quantity" 3 "price" 2}))
  (report))

#_(defn old-report []
    (println "gone"))

;; (defn commented-out [] nil)

(defn item-names
  "Names of all items, sorted."
  []
  (->> (vals @inventory)
       (map :name)
       sort))

(defn valid-item?
  [item]
  (and (string? (:sku item))
       (not (str/blank? (:sku item)))
       (nat-int? (:quantity item))))

(defn apply-discount
  [pct]
  (letfn [(discount-all [inv]
            (into {} (for [[k v] inv] [k (discounted v pct)])))]
    (swap! inventory discount-all)))

(deftest reserve-test
  (with-inventory [(make-item {"sku" "x" "name" "X" "quantity" 2 "price" 1})]
    (is (reserve "x" 2))
    (is (not (reserve "x" 1)))))

(deftest restock-test
  (with-inventory []
    (restock "y" 4)
    (is (= 4 (stock-level "Y")))))

(defn -main
  [& args]
  (doseq [path args]
    (println "loading" path))
  (println (report))
  (println "total value:" (total-value)))
