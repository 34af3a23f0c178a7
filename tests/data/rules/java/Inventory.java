package org.example.inventory;

import java.io.BufferedReader;
import java.io.IOException;
import java.nio.file.Files;
import java.nio.file.Path;
import java.util.ArrayList;
import java.util.Collections;
import java.util.HashMap;
import java.util.List;
import java.util.Map;
import java.util.Optional;
import java.util.function.Predicate;

/**
 * Keeps stock levels per item and reads them from a CSV file.
 *
 * Typical use: {@code Inventory.load(path).reorderList(5)}; see also
 * {@link #adjust(String, int)} for single changes.
 */
public class Inventory implements Iterable<Inventory.Item> {

    /** One line of the stock file. */
    public static final class Item implements Comparable<Item> {
        private final String sku;
        private int quantity;

        Item(String sku, int quantity) {
            this.sku = sku;
            this.quantity = quantity;
        }

        public String getSku() { return sku; }

        public int getQuantity() {
            return quantity;
        }

        @Override
        public int compareTo(Item other) {
            return Integer.compare(quantity, other.quantity);
        }

        @Override public String toString() { return sku + "=" + quantity; }
    }

    public enum Unit {
        PIECE("pc"),
        BOX("box", 12),
        PALLET("pal", 480);

        private final String symbol;
        private final int pieces;

        Unit(String symbol) { this(symbol, 1); }

        Unit(String symbol, int pieces) {
            this.symbol = symbol;
            this.pieces = pieces;
        }

        public int toPieces(int count) { return count * pieces; }
    }

    public interface Listener {
        void changed(Item item, int delta);
        default boolean wants(Item item) { return true; }
    }

    private final Map<String, Item> items = new HashMap<>();
    private final List<Listener> listeners = new ArrayList<>();
    private int version;

    public Inventory() {
        this(Collections.emptyList());
    }

    public Inventory(List<Item> initial) {
        for (Item item : initial) {
            items.put(item.getSku(), item);
        }
    }

    public static Inventory load(Path path) throws IOException {
        List<Item> read = new ArrayList<>();
        try (BufferedReader in = Files.newBufferedReader(path)) {
            String line;
            int number = 0;
            while ((line = in.readLine()) != null) {
                number++;
                if (line.isBlank() || line.startsWith("#")) {
                    continue;
                }
                read.add(parseLine(line,
                                   number));
            }
        } catch (IllegalArgumentException e) {
            throw new IOException(path + ": " + e.getMessage(), e);
        }
        return new Inventory(read);
    }

    // parseLine(text, n): "sku,quantity"; throws on anything else.
    private static Item parseLine(String text, int number) {
        String[] fields = text.split(",");
        if (fields.length != 2) {
            throw new IllegalArgumentException(
                "line " + number + ": expected sku,quantity");
        }
        return new Item(fields[0].trim(), Integer.parseInt(fields[1].trim()));
    }

    public synchronized void addListener(Listener listener) {
        listeners.add(listener);
    }

    public synchronized int adjust(String sku, int delta) {
        Item item = items.computeIfAbsent(sku, key -> new Item(key, 0));
        item.quantity += delta;
        version++;
        notifyListeners(item,
                        delta);
        return item.quantity;
    }

    private void notifyListeners(Item item, int delta) {
        synchronized (listeners) {
            for (Listener l : listeners) {
                if (l.wants(item)) l.changed(item, delta);
            }
        }
    }

    public Optional<Item> find(String sku) {
        return Optional.ofNullable(items.get(sku));
    }

    public <T extends Comparable<T>> List<Item> sorted(Predicate<? super Item> keep) {
        List<Item> out = new ArrayList<>();
        items.values().stream()
            .filter(keep)
            .sorted()
            .forEach(out::add);
        return out;
    }

    public List<Item> reorderList(final int threshold) {
        return sorted(item -> item.quantity < threshold);
    }

    public Runnable auditTask(StringBuilder log) {
        return new Runnable() {
            @Override
            public void run() {
                switch (items.size()) {
                    case 0:
                        log.append("empty\n");
                        break;
                    default:
                        log.append(items.size()).append(" items, version ")
                           .append(version).append('\n');
                }
            }
        };
    }

    @Override
    public java.util.Iterator<Item> iterator() {
        return Collections.unmodifiableCollection(items.values()).iterator();
    }

    protected abstract static class Report {
        abstract String title();
        String render(List<Item> rows) {
            StringBuilder sb = new StringBuilder(title()).append('\n');
            do {
                sb.append('-');
            } while (sb.length() < 2 * title().length());
            rows.forEach(r -> sb.append('\n').append(r));
            return sb.toString();
        }
    }

    public static void main(String[] args) throws Exception {
        if (args.length == 0) {
            System.err.println("usage: Inventory <file> [threshold]");
            System.exit(2);
        }
        Inventory inv = load(Path.of(args[0]));
        int threshold = args.length > 1 ? Integer.parseInt(args[1]) : 5;
        for (Item item : inv.reorderList(threshold)) {
            System.out.println(item);
        }
    }
}
