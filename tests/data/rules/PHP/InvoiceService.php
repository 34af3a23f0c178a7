<?php
/**
 * Invoice service: builds, prices and stores invoices.
 *
 * function totals() below is the hot path; see class Invoice.
 */

declare(strict_types=1);

namespace Billing\Service;

use Billing\Model\Customer;
use Billing\Model\LineItem;
use function Billing\Util\round_money;
use const Billing\Util\DEFAULT_CURRENCY;

interface PriceSource
{
    public function priceFor(string $sku): float;
    public function currency(): string;
}

interface Storage
{
    public function save(Invoice $invoice): int;
}

trait Timestamps
{
    private ?int $createdAt = null;

    public function touch(): void
    {
        $this->createdAt = time();
    }

    public function createdAt(): ?int
    {
        return $this->createdAt;
    }
}

enum Status: string
{
    case Draft = 'draft';
    case Sent = 'sent';
    case Paid = 'paid';

    public function label(): string
    {
        return match ($this) {
            Status::Draft => 'Draft',
            Status::Sent => 'Sent',
            Status::Paid => 'Paid',
        };
    }
}

abstract class Document
{
    abstract protected function number(): string;

    public function title(): string
    {
        return static::class . ' ' . $this->number();
    }
}

final class Invoice extends Document
{
    use Timestamps;

    /** @var LineItem[] */
    private array $items = [];
    private Status $status = Status::Draft;

    public function __construct(
        private readonly Customer $customer,
        private readonly string $number,
    ) {
        $this->touch();
    }

    protected function number(): string
    {
        return $this->number;
    }

    public function add(LineItem $item): self
    {
        $this->items[] = $item;
        return $this;
    }

    public function items(): array
    {
        return $this->items;
    }

    public static function &registry(): array
    {
        static $all = [];
        return $all;
    }
}

class InvoiceService
{
    private array $hooks = [];

    public function __construct(private PriceSource $prices, private Storage $storage)
    {
    }

    public function onSaved(callable $hook): void
    {
        $this->hooks[] = $hook;
    }

    public function totals(Invoice $invoice): array
    {
        $net = 0.0;
        foreach ($invoice->items() as $item) {
            $price = $this->prices->priceFor($item->sku);
            if ($price <= 0) {
                throw new \DomainException("no price for {$item->sku}");
            }
            $net += $price * $item->quantity;
        }
        $tax = round_money($net * 0.2);
        return ['net' => round_money($net), 'tax' => $tax, 'gross' => round_money($net + $tax)];
    }

    public function store(Invoice $invoice): int
    {
        $id = $this->storage->save($invoice);
        array_walk($this->hooks, function (callable $hook) use ($id, $invoice) {
            $hook($id, $invoice);
        });
        $logger = new class {
            public function log(string $line): void
            {
                error_log($line);
            }
        };
        $logger->log("stored invoice $id");
        return $id;
    }

    public function describe(Invoice $invoice): string
    {
        $lines = array_map(fn(LineItem $i) => sprintf('%s x%d', $i->sku, $i->quantity), $invoice->items());
        $template = 'function %s() is not called here';
        if (function_exists('Billing\Util\round_money')) {
            $lines[] = sprintf($template, 'describe');
        }
        return implode(PHP_EOL, $lines);
    }
}

function format_money(float $amount, string $currency = DEFAULT_CURRENCY): string
{
    // function helper() inside a comment is not a header
    return number_format($amount, 2) . ' ' . $currency;
}

function build_invoice(Customer $customer, array $rows): Invoice
{
    $invoice = new Invoice($customer, uniqid('INV-'));
    foreach ($rows as [$sku, $qty]) {
        $invoice->add(new LineItem($sku, (int) $qty));
    }
    $validate = function ($row) {
        return isset($row[0], $row[1]);
    };
    while (false) {
        $validate([]);
    }
    return $invoice;
}

if (!function_exists('format_money')) {
    echo "function format_money is missing\n";
}
