{-# LANGUAGE OverloadedStrings #-}
-- | Inventory bookkeeping: stock levels, reservations and a text report.
--
-- restock :: Sku -> Int -> Inventory -> Inventory is the main operation;
-- comments like this one are not headers.
module Inventory
  ( Sku
  , Inventory
  , emptyInventory
  , restock
  , reserve
  , report
  ) where

import qualified Data.Map.Strict as Map
import Data.List (sortOn, intercalate)
import Data.Maybe (fromMaybe)
import Text.Printf (printf)

type Sku = String

newtype Quantity = Quantity Int
  deriving (Eq, Ord, Show)

data Item = Item
  { itemSku   :: Sku
  , itemName  :: String
  , itemStock :: Int
  } deriving (Eq, Show)

data ReserveError
  = UnknownSku Sku
  | NotEnough Sku Int Int
  deriving (Eq, Show)

newtype Inventory = Inventory (Map.Map Sku Item)

infixl 6 |+|

class Describable a where
  describe :: a -> String
  describe _ = "<item>"

instance Describable Item where
  describe item = itemName item ++ " (" ++ itemSku item ++ ")"

instance Show Inventory where
  show (Inventory m) = "Inventory with " ++ show (Map.size m) ++ " items"

emptyInventory :: Inventory
emptyInventory = Inventory Map.empty

-- | Add stock; unknown SKUs get a placeholder name.
restock :: Sku -> Int -> Inventory -> Inventory
restock sku n (Inventory m)
  | n <= 0 = Inventory m
  | otherwise = Inventory (Map.alter add sku m)
  where
    add Nothing = Just (Item sku sku n)
    add (Just item) = Just item { itemStock = itemStock item + n }

reserve :: Sku -> Int -> Inventory -> Either ReserveError Inventory
reserve sku n (Inventory m) =
  case Map.lookup sku m of
    Nothing -> Left (UnknownSku sku)
    Just item
      | itemStock item < n -> Left (NotEnough sku n (itemStock item))
      | otherwise ->
          let item' = item { itemStock = itemStock item - n }
          in Right (Inventory (Map.insert sku item' m))

reserveAll :: [(Sku, Int)] -> Inventory -> Either ReserveError Inventory
reserveAll [] inv = Right inv
reserveAll ((sku, n) : rest) inv = reserve sku n inv >>= reserveAll rest

(|+|) :: Inventory -> Inventory -> Inventory
Inventory a |+| Inventory b = Inventory (Map.unionWith merge a b)
  where
    merge x y = x { itemStock = itemStock x + itemStock y }

stockOf :: Sku -> Inventory -> Int
stockOf sku (Inventory m) = maybe 0 itemStock (Map.lookup sku m)

lowStock, outOfStock :: Int -> Inventory -> [Item]
lowStock limit (Inventory m) =
  filter ((< limit) . itemStock) (Map.elems m)
outOfStock _ (Inventory m) = filter ((== 0) . itemStock) (Map.elems m)

{- The report is aligned in columns:
   sku, name, stock
   and sorted by sku. -}
report :: Inventory -> String
report (Inventory m) = intercalate "\n" (map line items)
  where
    items = sortOn itemSku (Map.elems m)
    line item =
      printf "%-8s %-20s %5d" (itemSku item) (itemName item) (itemStock item)

describeError :: ReserveError -> String
describeError err = case err of
  UnknownSku sku -> "unknown sku " ++ sku
  NotEnough sku wanted have ->
    "not enough " ++ sku ++ ": wanted " ++ show wanted ++ ", have " ++ show have

totalStock :: Inventory -> Int
totalStock (Inventory m) = sum (map itemStock (Map.elems m))

fromList :: [(Sku, String, Int)] -> Inventory
fromList rows = Inventory (Map.fromList [(s, Item s n q) | (s, n, q) <- rows])

applyAll :: [Inventory -> Inventory] -> Inventory -> Inventory
applyAll fs inv = foldl (flip ($)) inv fs

safeDiv :: Int -> Int -> Maybe Int
safeDiv _ 0 = Nothing
safeDiv a b = Just (a `div` b)

averageStock :: Inventory -> Maybe Int
averageStock inv@(Inventory m) = safeDiv (totalStock inv) (Map.size m)

-- | Names of all items whose stock is below the limit, in order.
namesBelow :: Int -> Inventory -> [String]
namesBelow limit inv =
  [ itemName item
  | item <- lowStock limit inv
  , not (null (itemName item))
  ]

transferAll :: Inventory -> Inventory -> (Inventory, Inventory)
transferAll from to = (emptyInventory, from |+| to)

renameItem :: Sku -> String -> Inventory -> Inventory
renameItem sku newName (Inventory m) = Inventory (Map.adjust rename sku m)
  where
    rename item = item { itemName = newName }

isEmpty :: Inventory -> Bool
isEmpty (Inventory m) = Map.null m

main :: IO ()
main = do
  let inv = fromList [("a1", "Pen", 10), ("b2", "Ink", 2), ("c3", "Pad", 0)]
      inv' = applyAll [restock "b2" 5, restock "d4" 1] inv
  putStrLn (report inv')
  case reserveAll [("a1", 3), ("b2", 9)] inv' of
    Left err -> putStrLn ("failed: " ++ describeError err)
    Right ok -> do
      putStrLn "reserved"
      print (stockOf "a1" ok)
  printf "low: %d, empty: %d\n" (length (lowStock 3 inv')) (length (outOfStock 0 inv'))
  print (fromMaybe 0 (averageStock inv'))
  mapM_ (putStrLn . describe) (lowStock 100 inv')

stockReport
  :: Inventory
  -> String
stockReport inv = report inv

restockMany skus n
  = foldr (\s i -> restock s n i) emptyInventory skus

a <-> b = a |+| b
