// Ledger.cs - double-entry ledger with accounts, postings and a trial balance.
// Call Ledger.Post(entry) for every journal entry; Balance(account) sums it.
using System;
using System.Collections.Generic;
using System.Globalization;
using System.IO;
using System.Linq;
using System.Threading.Tasks;

namespace Accounting.Core
{
    public delegate void PostedHandler(object sender, JournalEntry entry);

    public interface IAccountStore
    {
        Account Find(string code);
        IEnumerable<Account> All();
        Task SaveAsync(TextWriter writer);
    }

    [Serializable]
    public sealed class Account
    {
        public string Code { get; }
        public string Name { get; set; }
        public decimal Opening { get; init; }

        public Account(string code, string name) : this(code, name, 0m) { }

        public Account(string code, string name, decimal opening)
        {
            if (string.IsNullOrWhiteSpace(code))
                throw new ArgumentException("code must not be empty", nameof(code));
            Code = code;
            Name = name;
            Opening = opening;
        }

        public override string ToString() => $"{Code} {Name}";
    }

    public readonly struct Money : IEquatable<Money>
    {
        public decimal Amount { get; }

        public Money(decimal amount) { Amount = decimal.Round(amount, 2); }

        public static Money operator +(Money a, Money b) => new Money(a.Amount + b.Amount);
        public static Money operator -(Money a) => new Money(-a.Amount);
        public static implicit operator Money(decimal d) => new Money(d);

        public bool Equals(Money other) => Amount == other.Amount;
        public override int GetHashCode() => Amount.GetHashCode();
    }

    public record JournalEntry(DateTime Date, string Debit, string Credit, Money Amount);

    public class Ledger : IAccountStore
    {
        private readonly Dictionary<string, Account> accounts = new(StringComparer.Ordinal);
        private readonly List<JournalEntry> journal = new();
        private readonly object sync = new();

        public event PostedHandler Posted;

        public int Count => journal.Count;

        public Account this[string code] => Find(code);

        public void Open(Account account)
        {
            lock (sync)
            {
                if (accounts.ContainsKey(account.Code))
                {
                    throw new InvalidOperationException(
                        "account " + account.Code + " is already open");
                }
                accounts.Add(account.Code, account);
            }
        }

        public Account Find(string code) =>
            accounts.TryGetValue(code, out var found) ? found : null;

        public IEnumerable<Account> All() { return accounts.Values.OrderBy(a => a.Code); }

        public void Post(JournalEntry entry)
        {
            Validate(entry);
            lock (sync)
            {
                journal.Add(entry);
            }
            Posted?.Invoke(this, entry);

            // Validate(entry): both accounts must exist and differ.
            void Validate(JournalEntry e)
            {
                foreach (var code in new[] { e.Debit, e.Credit })
                {
                    if (Find(code) is null)
                        throw new KeyNotFoundException($"no account {code}");
                }
                if (e.Debit == e.Credit) throw new ArgumentException("same account on both sides");
            }
        }

        public Money Balance(string code, DateTime? until = null)
        {
            var account = Find(code) ?? throw new KeyNotFoundException(code);
            Money total = account.Opening;
            foreach (var e in journal.Where(j => until is null || j.Date <= until))
            {
                if (e.Debit == code) total += e.Amount;
                else if (e.Credit == code) total += -e.Amount;
            }
            return total;
        }

        public IReadOnlyList<(string Code, decimal Balance)> TrialBalance()
        {
            var rows = new List<(string, decimal)>();
            foreach (var account in All())
            {
                rows.Add((account.Code,
                          Balance(account.Code).Amount));
            }
            return rows;
        }

        public async Task SaveAsync(TextWriter writer)
        {
            using (var buffer = new StringWriter(CultureInfo.InvariantCulture))
            {
                foreach (var e in journal)
                {
                    await buffer.WriteLineAsync(
                        string.Join(";", e.Date.ToString("yyyy-MM-dd"), e.Debit, e.Credit, e.Amount.Amount));
                }
                await writer.WriteAsync(buffer.ToString());
            }
        }

        internal static IEnumerable<JournalEntry> Parse(TextReader reader)
        {
            string line;
            while ((line = reader.ReadLine()) != null)
            {
                var f = line.Split(';');
                switch (f.Length)
                {
                    case 4:
                        yield return new JournalEntry(DateTime.Parse(f[0], CultureInfo.InvariantCulture),
                                                      f[1], f[2], decimal.Parse(f[3], CultureInfo.InvariantCulture));
                        break;
                    default:
                        continue;
                }
            }
        }

        protected virtual void OnClosed() { }
    }

    public static class LedgerExtensions
    {
        public static Money Total<T>(this IEnumerable<T> source, Func<T, Money> selector)
            where T : class
        {
            Money sum = 0m;
            foreach (var item in source)
                sum += selector(item);
            return sum;
        }
    }
}

sealed class LedgerLock : IDisposable
{
    private readonly IntPtr handle;

    ~LedgerLock()
    {
        Release(handle);
    }

    public void Dispose() => Release(handle);
}

sealed class EntryList : IList<Entry>, ICollection
{
    private const string CachePath = "entries.cache";
    private readonly List<Entry> items = new List<Entry>();
    private readonly Entry first =
        File.Exists (CachePath) ? ReadFirst (CachePath) : Entry.Empty;

    void ICollection.CopyTo(Array array, int index)
    {
        ((ICollection)items).CopyTo(array, index);
    }

    void IList<Entry>.RemoveAt(int index) => items.RemoveAt(index);

    System.Collections.IEnumerator System.Collections.IEnumerable.GetEnumerator ()
    {
        return items.GetEnumerator();
    }

    private static Entry ReadFirst(string path)
    {
        return Entry.Parse(File.ReadAllText(path));
    }
}
