defmodule Shortener.Store do
  @moduledoc """
  Keeps short codes and their target URLs in an ETS table owned by a
  GenServer. Use `put/1` to shorten a URL and `fetch/1` to resolve a code.

      iex> {:ok, code} = Shortener.Store.put("https://example.org")
      iex> Shortener.Store.fetch(code)
      {:ok, "https://example.org"}
  """

  use GenServer
  require Logger

  alias Shortener.Code

  @table :shortener_urls
  @max_attempts 5

  defguard is_code(c) when is_binary(c) and byte_size(c) in 4..12

  # Client API -- start_link(opts) is called by the supervisor.

  def start_link(opts \\ []) do
    GenServer.start_link(__MODULE__, opts, name: Keyword.get(opts, :name, __MODULE__))
  end

  @doc "Stores `url` and returns a fresh code for it."
  @impl false
  def put(url) when is_binary(url) do
    with {:ok, uri} <- validate(url),
         {:ok, code} <- GenServer.call(__MODULE__, {:put, URI.to_string(uri)}) do
      {:ok, code}
    end
  end

  def put(_other), do: {:error, :not_a_string}

  def fetch(code) when is_code(code) do
    case :ets.lookup(@table, code) do
      [{^code, url, _hits}] ->
        :ets.update_counter(@table, code, {3, 1})
        {:ok, url}

      [] ->
        :error
    end
  end

  def fetch(_), do: :error

  def stats(code), do: GenServer.call(__MODULE__, {:stats, code})

  defmacro with_store(do: block) do
    quote do
      {:ok, _pid} = Shortener.Store.start_link()
      unquote(block)
    end
  end

  # Server callbacks

  @impl true
  def init(_opts) do
    table = :ets.new(@table, [:named_table, :set, :protected, read_concurrency: true])
    Logger.info("store started with table #{inspect(table)}")
    {:ok, %{table: table, created: 0}}
  end

  @impl true
  def handle_call({:put, url}, _from, state) do
    case insert_unique(url, @max_attempts) do
      {:ok, code} ->
        {:reply, {:ok, code}, %{state | created: state.created + 1}}

      {:error, _} = error ->
        {:reply, error, state}
    end
  end

  def handle_call({:stats, code}, _from, state) do
    reply =
      case :ets.lookup(@table, code) do
        [{^code, url, hits}] -> {:ok, %{url: url, hits: hits}}
        [] -> {:error, :unknown_code}
      end

    {:reply, reply, state}
  end

  @impl true
  def handle_info(:sweep, state) do
    removed = sweep(fn {_code, _url, hits} -> hits == 0 end)
    if removed > 0, do: Logger.debug("swept #{removed} unused codes")
    Process.send_after(self(), :sweep, :timer.hours(1))
    {:noreply, state}
  end

  def handle_info(msg, state) do
    Logger.warning("unexpected message: #{inspect(msg)}")
    {:noreply, state}
  end

  # Private helpers

  defp validate(url) do
    uri = URI.parse(url)

    cond do
      uri.scheme not in ["http", "https"] -> {:error, :bad_scheme}
      is_nil(uri.host) or uri.host == "" -> {:error, :no_host}
      true -> {:ok, uri}
    end
  end

  defp insert_unique(_url, 0), do: {:error, :no_free_code}

  defp insert_unique(url, attempts) do
    code = Code.generate(6)

    if :ets.insert_new(@table, {code, url, 0}) do
      {:ok, code}
    else
      insert_unique(url, attempts - 1)
    end
  end

  defp sweep(unused?) do
    @table
    |> :ets.tab2list()
    |> Enum.filter(unused?)
    |> Enum.map(fn {code, _, _} -> :ets.delete(@table, code) end)
    |> length()
  end

  defmacrop log_slow(label, do: body) do
    quote do
      {micros, result} = :timer.tc(fn -> unquote(body) end)
      if micros > 10_000, do: Logger.warning("#{unquote(label)} took #{micros} us")
      result
    end
  end
end

defmodule Shortener.Code do
  @alphabet ~c"abcdefghijkmnpqrstuvwxyzABCDEFGHJKLMNPQRSTUVWXYZ23456789"

  @doc "Returns a random code of `length` characters."
  def generate(length \\ 6) when length > 0 do
    for _ <- 1..length, into: "" do
      <<Enum.random(@alphabet)>>
    end
  end

  def valid?(code) do
    code
    |> String.to_charlist()
    |> Enum.all?(&(&1 in @alphabet))
  end

  def checksum(code),
    do: code |> :erlang.crc32() |> rem(97)
end
